#pragma once
// The main window "ETP computation": the data sheet Grid1, the frame of column boxes
// and unit lists, "Compute" and "Try auto finding", the four status panels, and the
// menus that open every dialog. It shows the workbench and calls its commands.
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

#include "sheet/ColumnMap.h"
#include "sheet/UnitLists.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;
class QUndoStack;

namespace etp {

struct Workbench;
class SheetEdit;
class UserInterface;
class MeteoSheetModel;
class MethodsDialog;
class CombinationMethodsDialog;
class StationDialog;
class HargreavesOptionsDialog;
class MissingDataDialog;
class PenMonOptionDialog;
class PriestleyTaylorOptionsDialog;
class TurcOptionDialog;
class PotRadOptionDialog;
class AsceRsoOptionDialog;
class GuideWindow;
class AboutDialog;
class OtherMethodsDialog;
class StandardMethodsDialog;
class CreamsFilesDialog;
class LeachmFilesDialog;
class MacroFilesDialog;
class TurnedIrrigationDialog;
class OnDemandIrrigationDialog;
class CropBalanceDialog;
class DataCheckDialog;
class ChartDialog;
class StationsDialog;
class SummaryDialog;

class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    // The workbench and the person outlive the window.
    MainWindow(Workbench& workbench, UserInterface& ui, QWidget* parent = nullptr);
    ~MainWindow() override;

protected:
    // Every way of closing the main window asks first.
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void buildMenus();
    QWidget* buildColumnBoxes();   // Frame1 and Frame2: the column boxes with their unit lists
    QWidget* buildSettingsPanel(); // the boxes, scrolling on a short screen, and the two buttons

    void open_Click();
    void save_Click();
    void saveas_Click();
    void exit_Click();
    void station_Click();
    void combination_Click();
    void Other_Methods_Click();
    void Standard_Methods_Click();
    void OpzHargr_Click();
    void OpzMissing_Click();
    void OpzPenmon_Click();
    void OpzPt_Click();
    void OpzTurc_Click();
    void OpzPotRad_Click();
    void OpzAsceRso_Click();
    void helph_Click();
    void about_Click();
    void creams_Click();
    void leachm_Click();
    void macro_Click();
    void turned_Click();
    void domanda_Click();
    void cropbalance_Click();
    void checkdata_Click();
    void chart_Click();
    void summary_Click();
    void stations_Click();
    void Command1_Click();
    void CmdAutoFind_Click();

    // Unsaved work (MainWindowHistory.cpp): the undo stack, the modified mark, recent files.
    void buildHistory();
    void beginSheetEdit();
    void endSheetEdit(const QString& command);
    // Makes each "Apply" of a dialog that writes into the sheet one step of the history.
    template <class Dialog>
    void recordSheetEdits(Dialog& dialog, const QString& command);
    void cellEdited(int row, int column, const QByteArray& before, quint64 revisionBefore);
    void showModified();
    void showRecentFiles();
    void openRecentFile(const QString& path);
    // After Open or Save: the sheet is its file's; nothing is left to undo after Open.
    void sheetOpened();
    void sheetSaved();

    void showColumnMap();
    void showUnits();
    void showStatusPanels();
    // The status bar's note beside the panels: results out of date, an input typed that is
    // no number; hidden when there is nothing to say.
    void showSheetNote();
    // The station goes with the working file (AppSettings), once it is set.
    void rememberStation();
    StationDialog& showStation();
    void openMethodDialog(MethodsDialog& dialog);
    std::array<MethodsDialog*, 3> methodDialogs() const;
    // The column boxes changed: the method dialogs shown enable what they now allow.
    void columnsChanged();
    // Sheet rows of one column (0: the whole rows) selected in Grid1, the first in view.
    void selectCells(int column, const QList<int>& rows);

    Workbench& workbench_;
    UserInterface& ui_;
    MeteoSheetModel* model_ = nullptr;

    QTableView* Grid1 = nullptr;
    QGroupBox* Frame1 = nullptr; // the classic eight boxes
    QGroupBox* Frame2 = nullptr; // U.R. mean, T° dew, Vap. pr. and the date in parts
    PerColumnBox<QLineEdit*> Text1{};
    PerUnitKind<QComboBox*> Combo{}; // Combo1 radiation, Combo2 wind, Combo3 sunshine, Combo4 humidity, Combo5 temperature, Combo6 vapour pressure
    QLabel* Label8 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* CmdAutoFind = nullptr;
    std::array<QLabel*, 4> StatusBar1{}; // panels StatusBar1_1 .. StatusBar1_4
    QLabel* SheetNote = nullptr;
    // The cell typed last (sheet numbering), while the note speaks of it.
    int typedRow_ = 0, typedColumn_ = 0;

    QPointer<CombinationMethodsDialog> form2_;
    QPointer<OtherMethodsDialog> frmOthermet_;
    QPointer<StandardMethodsDialog> frmStandard_;
    QPointer<StationDialog> form3_;
    QPointer<HargreavesOptionsDialog> formOpzHarg_;
    QPointer<MissingDataDialog> formMissing_;
    QPointer<PenMonOptionDialog> formOpzPenmon_;
    QPointer<PriestleyTaylorOptionsDialog> formOpzPt_;
    QPointer<TurcOptionDialog> formOpzTurc_;
    QPointer<PotRadOptionDialog> formOpzPotRad_;
    QPointer<AsceRsoOptionDialog> formOpzAsceRso_;
    QPointer<GuideWindow> formHelp_;
    QPointer<AboutDialog> frmAbout_;
    QPointer<CreamsFilesDialog> form4_;
    QPointer<LeachmFilesDialog> form5_;
    QPointer<MacroFilesDialog> form6_;
    QPointer<TurnedIrrigationDialog> turnedIrri_;
    QPointer<OnDemandIrrigationDialog> domirr_;
    QPointer<CropBalanceDialog> cropBalance_;
    QPointer<DataCheckDialog> dataCheck_;
    QPointer<ChartDialog> chart_;
    QPointer<SummaryDialog> summary_;
    QPointer<StationsDialog> stations_;

    // Set by "&Exit", so that closeEvent asks the matching question.
    bool exitChosen_ = false;

    QUndoStack* undoStack_ = nullptr;
    QMenu* recentFiles_ = nullptr;
    // The menu actions changed after the menus are built (shortcuts, state, a place in the menu).
    QAction* saveAction_ = nullptr;
    QAction* exitAction_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QAction* csymbaAction_ = nullptr;
    std::unique_ptr<SheetEdit> pendingEdit_; // an irrigation's "Apply" running

};

} // namespace etp
