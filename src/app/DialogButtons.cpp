#include "app/DialogButtons.h"

#include <QPushButton>

namespace etp {

QPushButton* AddButton(QDialogButtonBox& row, const char* name, const QString& text, QDialogButtonBox::ButtonRole role)
{
    auto* button = new QPushButton(text, &row);
    button->setObjectName(QString::fromLatin1(name));
    // The first accepting button answers Enter.
    if (role == QDialogButtonBox::AcceptRole) button->setDefault(true);
    row.addButton(button, role);
    return button;
}

} // namespace etp
