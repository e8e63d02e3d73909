#pragma once
// Irrigation > "Crop water balance": a built-in crop and soil, the box of every key of a
// crop description, the irrigation (none, a file of waterings, or automatic at RAW or at
// a fraction of TAW, with its depth and efficiency), and Run; then the chart of the
// depletion against RAW and TAW with rain and irrigation, the seasonal summary, Save of
// the daily table and the summary, and "Add irrigation to rain" (undone by Edit > Undo).
// The boxes and the last balance are the workbench's: closing only hides the dialog.
#include <QDialog>
#include <map>
#include <string>

class QButtonGroup;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace etp {

struct Workbench;
class UserInterface;

class CropBalanceDialog final : public QDialog {
    Q_OBJECT
public:
    CropBalanceDialog(Workbench& workbench, UserInterface& ui, QWidget* parent);
    // The boxes, lists and choices from the workbench, the ET list from the sheet as it
    // is now: at each opening.
    void showForm();

signals:
    // "Add irrigation to rain" is about to run; sheetChanged follows when it rewrote rain
    // cells of the sheet.
    void applying();
    void sheetChanged();

private:
    QWidget* buildCropFrame();
    QWidget* buildKeysFrame();
    QWidget* buildIrrigationFrame();
    QLineEdit* textBox(const char* name, std::string& text, QWidget* parent);
    // The result of the last Run.
    void showBalance();

    void ComboCrop_Activated(int index);
    void ComboSoil_Activated(int index);
    void ComboEt_Activated(int index);
    void CmdBrowse_Click();
    void CmdRun_Click();
    void CmdSave_Click();
    void CmdAddToRain_Click();

    Workbench& workbench_;
    UserInterface& ui_;

    QComboBox* ComboCrop = nullptr;
    QComboBox* ComboSoil = nullptr;
    QComboBox* ComboEt = nullptr; // the ET column the balance reads
    std::map<std::string, QLineEdit*, std::less<>> Text_; // Text_<key>, one a key
    QButtonGroup* irrigationChoice_ = nullptr;
    QRadioButton* OptionNone = nullptr;
    QRadioButton* OptionGiven = nullptr;
    QRadioButton* OptionRaw = nullptr;
    QRadioButton* OptionTaw = nullptr;
    QLineEdit* TextIrrigationFile = nullptr;
    QPushButton* CmdBrowse = nullptr;
    QLineEdit* TextFraction = nullptr;
    QLineEdit* TextDepth = nullptr;
    QLineEdit* TextEfficiency = nullptr;
    QChartView* ChartCrop = nullptr;
    QLabel* LabelResult = nullptr;
    QTableWidget* TableSummary = nullptr;
    QPushButton* CmdRun = nullptr;
    QPushButton* CmdSave = nullptr;
    QPushButton* CmdAddToRain = nullptr;
    QPushButton* CmdClose = nullptr;
};

} // namespace etp
