#pragma once
// The button row of a dialog, in the platform's order.
#include <QDialogButtonBox>

class QPushButton;

namespace etp {

// A named button in the row; clicks are connected by the caller.
QPushButton* AddButton(QDialogButtonBox& row, const char* name, const QString& text, QDialogButtonBox::ButtonRole role);

} // namespace etp
