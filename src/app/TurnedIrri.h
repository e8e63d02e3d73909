#pragma once
// "Turned irrigation": a fixed amount at a fixed interval within a period of the year,
// skipped after rain. The dialog holds its six texts while it is open; the close box
// discards it, so the next opening starts from the initial texts.
#include <QDialog>
#include <array>

#include "irrigation/Irrigation.h"

class QLabel;
class QPushButton;

namespace etp {

struct Workbench;
class UserInterface;
class AppliedList;

class TurnedIrri final : public QDialog {
    Q_OBJECT
public:
    TurnedIrri(Workbench& workbench, UserInterface& ui, QWidget* parent);

signals:
    // "Apply" rewrote rain cells of the sheet.
    void sheetChanged();

private:
    void Command1_Click();

    Workbench& workbench_;
    UserInterface& ui_;
    TurnedIrrigationTexts texts_;
    QLabel* Label7 = nullptr; // the note on the first irrigation day
    QPushButton* Command1 = nullptr;
    AppliedList* applied_ = nullptr;
};

} // namespace etp
