#pragma once
// "Meteo files for MACRO": the ET column and the buttons that write the daily rain and
// ET files. "Cancel" hides the dialog and "Save all" runs both saves, as in the LEACHM
// dialog; "Save temp. data" has no file layout to write and does nothing. The close box
// discards the dialog, so the next opening scans the title row afresh.
#include <QDialog>

#include "models/MethodChoice.h"

class QPushButton;

namespace etp {

struct Workbench;
class UserInterface;
class MethodChoiceBox;

class MacroFilesDialog final : public QDialog {
    Q_OBJECT
public:
    // Fills the method choice from the sheet's title row (with "You dont have computed
    // the ETP!!" when it holds no ET column).
    MacroFilesDialog(Workbench& workbench, UserInterface& ui, QWidget* parent);

    const MethodChoice& methods() const { return methods_; }

private:
    void Command1_Click(); // "Cancel"
    void Command2_Click(); // "Save rain data"
    void Command3_Click(); // "Save ETP data"
    void Command5_Click(); // "Save all"

    Workbench& workbench_;
    UserInterface& ui_;
    MethodChoice methods_;
    MethodChoiceBox* Frame1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr; // "Save temp. data"
    QPushButton* Command5 = nullptr;
};

} // namespace etp
