#pragma once
// "meteo files for LEACHM": the nitrogen in rain, the ET column, the date format of the
// rain file, and the buttons that write the rain file and the weekly file. The texts
// and choices live in the dialog's LeachmSettings: "Cancel" hides the dialog and keeps
// them; the close box discards the dialog, so the next opening starts afresh.
#include <QDialog>

#include "models/LeachmWriter.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace etp {

struct Workbench;
class UserInterface;
class MethodChoiceBox;

class LeachmFilesDialog final : public QDialog {
    Q_OBJECT
public:
    // Fills the method choice from the sheet's title row (with "You dont have computed
    // the ETP!!" when it holds no ET column).
    LeachmFilesDialog(Workbench& workbench, UserInterface& ui, QWidget* parent);

    const LeachmSettings& settings() const { return settings_; }

private:
    void Command1_Click(); // "Cancel"
    void Command2_Click(); // "Save rain data"
    void Command3_Click(); // "Save ETP data"
    void Command4_Click(); // "Save all"

    Workbench& workbench_;
    UserInterface& ui_;
    LeachmSettings settings_;
    QLineEdit* Text1 = nullptr; // N-urea [mg/l]
    QLineEdit* Text2 = nullptr; // N-ammonium
    QLineEdit* Text3 = nullptr; // N-nitrate
    MethodChoiceBox* Frame2 = nullptr;
    QRadioButton* Option1 = nullptr; // "ddmmaa"
    QRadioButton* Option2 = nullptr; // "n° of day"
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
};

} // namespace etp
