#pragma once
// The main window "ETP computation": the data sheet Grid1, the frame of column boxes
// and unit lists, "Compute" and "Try auto finding", the four status panels, and the
// menus that open every dialog. It shows the workbench and calls its commands.
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

#include "sheet/Settings.h"

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
class Form2;
class Form3;
class FormOpzHarg;
class FormMissing;
class FormOpzPenmon;
class FormOpzPt;
class FormOpzTurc;
class FormOpzPotRad;
class FormOpzAsceRso;
class FormHelp;
class frmAbout;
class frmOthermet;
class frmStandard;
class Form4;
class Form5;
class form6;
class TurnedIrri;
class Domirr;
class CropBalanceDialog;
class DataCheckDialog;
class ChartDialog;
class StationsDialog;
class SummaryDialog;

class Form1 final : public QMainWindow {
    Q_OBJECT
public:
    // The workbench and the person outlive the window.
    Form1(Workbench& workbench, UserInterface& ui, QWidget* parent = nullptr);
    ~Form1() override;

protected:
    // Every way of closing the main window asks first.
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void buildMenus();
    QWidget* buildSettingsPanel();
    QAction* menuItem(const char* name) const;

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

    // Unsaved work (Form1History.cpp): the undo stack, the modified mark, recent files.
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
    Form3& showStation();
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

    QPointer<Form2> form2_;
    QPointer<frmOthermet> frmOthermet_;
    QPointer<frmStandard> frmStandard_;
    QPointer<Form3> form3_;
    QPointer<FormOpzHarg> formOpzHarg_;
    QPointer<FormMissing> formMissing_;
    QPointer<FormOpzPenmon> formOpzPenmon_;
    QPointer<FormOpzPt> formOpzPt_;
    QPointer<FormOpzTurc> formOpzTurc_;
    QPointer<FormOpzPotRad> formOpzPotRad_;
    QPointer<FormOpzAsceRso> formOpzAsceRso_;
    QPointer<FormHelp> formHelp_;
    QPointer<frmAbout> frmAbout_;
    QPointer<Form4> form4_;
    QPointer<Form5> form5_;
    QPointer<form6> form6_;
    QPointer<TurnedIrri> turnedIrri_;
    QPointer<Domirr> domirr_;
    QPointer<CropBalanceDialog> cropBalance_;
    QPointer<DataCheckDialog> dataCheck_;
    QPointer<ChartDialog> chart_;
    QPointer<SummaryDialog> summary_;
    QPointer<StationsDialog> stations_;

    // Set by "&Exit", so that closeEvent asks the matching question.
    bool exitChosen_ = false;

    QUndoStack* undoStack_ = nullptr;
    QMenu* recentFiles_ = nullptr;
    std::unique_ptr<SheetEdit> pendingEdit_; // an irrigation's "Apply" running

};

} // namespace etp
