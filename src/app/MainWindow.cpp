#include "app/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "app/AboutDialog.h"
#include "app/AppIcon.h"
#include "app/AppSettings.h"
#include "app/ChartDialog.h"
#include "app/CombinationMethodsDialog.h"
#include "app/CreamsFilesDialog.h"
#include "app/CropBalanceDialog.h"
#include "app/DataCheckDialog.h"
#include "app/GuideWindow.h"
#include "app/HargreavesOptionsDialog.h"
#include "app/LeachmFilesDialog.h"
#include "app/MacroFilesDialog.h"
#include "app/MeteoSheetModel.h"
#include "app/MethodOptionDialogs.h"
#include "app/MissingDataDialog.h"
#include "app/OnDemandIrrigationDialog.h"
#include "app/OtherMethodsDialog.h"
#include "app/QtUserInterface.h"
#include "app/SheetView.h"
#include "app/ShowModeless.h"
#include "app/StandardMethodsDialog.h"
#include "app/StationDialog.h"
#include "app/StationsDialog.h"
#include "app/SummaryDialog.h"
#include "app/TurnedIrrigationDialog.h"
#include "app/WindowFit.h"
#include "et/MethodAvailability.h"
#include "sheet/SheetQueries.h"
#include "workbench/SettingCommands.h"
#include "workbench/ComputedColumns.h"
#include "workbench/FileCommands.h"
#include "workbench/MethodCommands.h"
#include "workbench/SheetEdit.h"

namespace etp {

namespace {

// Unit list beside a column box, if it has one.
std::optional<UnitKind> UnitKindOfBox(ColumnBox box)
{
    switch (box) {
    case ColumnBox::Radiation: return UnitKind::Radiation;
    case ColumnBox::Wind: return UnitKind::Wind;
    case ColumnBox::Sunshine: return UnitKind::Sunshine;
    case ColumnBox::RHmax: return UnitKind::Humidity; // one list for every humidity box
    case ColumnBox::Tmin: return UnitKind::Temperature; // one list for T min, T max and the dew point
    case ColumnBox::Ea: return UnitKind::VapourPressure;
    default: return std::nullopt;
    }
}

// The column boxes, scrolling when the window is shorter than they are; as tall as its
// boxes otherwise, so that the buttons stand right below the last one.
class ColumnBoxesArea final : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override
    {
        const QSize boxes = widget()->sizeHint();
        const int height = widget()->hasHeightForWidth() ? widget()->heightForWidth(boxes.width()) : boxes.height();
        return {boxes.width() + verticalScrollBar()->sizeHint().width(), height};
    }
};

// What each unit list beside a box applies to, as its tooltip.
constexpr PerUnitKind<const char*> kUnitListCovers = {
    "Unit of Rad.", "Unit of Wind", "Unit of Suns. dur.", "Unit of U.R. min, U.R. max and U.R. mean",
    "Unit of T° min, T° max and T° dew", "Unit of Vap. pr."};

} // namespace

MainWindow::MainWindow(Workbench& workbench, UserInterface& ui, QWidget* parent)
    : QMainWindow(parent), workbench_(workbench), ui_(ui)
{
    setObjectName(QStringLiteral("Form1"));
    // "[*]": an asterisk while the sheet holds unsaved changes. In front, so that the title
    // still ends with the application's name and the platform appends nothing to it.
    setWindowTitle(QStringLiteral("[*]") + QString::fromLatin1(kApplicationTitle));
    setWindowIcon(AppIcon());

    // The station belongs to the file: each file opens with the one last given for it.
    KeepStationsPerFile(workbench_);
    model_ = new MeteoSheetModel(workbench_.sheet, this);
    model_->markFrom(workbench_);
    Grid1 = new SheetView(this); // the title row frozen above the days
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setModel(model_);
    // 32000 rows of one height: no per-row measuring, so scrolling stays smooth.
    Grid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Grid1->verticalHeader()->setDefaultSectionSize(Grid1->fontMetrics().height() + 6);
    // Wide enough for the longest result label.
    QFont bold = Grid1->font();
    bold.setBold(true);
    Grid1->horizontalHeader()->setDefaultSectionSize(QFontMetrics(bold).horizontalAdvance(QStringLiteral("P-T extrad")) + 12);

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(buildSettingsPanel());
    layout->addWidget(Grid1, 1);
    setCentralWidget(central);

    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    for (std::size_t i = 0; i < StatusBar1.size(); ++i) {
        QLabel*& panel = StatusBar1[i];
        panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusBar1_%1").arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setContentsMargins(4, 0, 4, 0);
        // A long file path is cut at the window's edge rather than widening the window.
        if (i == 0) panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        bar->addWidget(panel, i == 0 ? 1 : 0);
        if (i == 0) {
            // Before the station panels, whole while there is room: the file's name gives way
            // first. Narrowed below its text only when the window is.
            SheetNote = new QLabel(bar);
            SheetNote->setObjectName(QStringLiteral("SheetNote"));
            SheetNote->setContentsMargins(4, 0, 4, 0);
            // The amber of a result's title cell out of date (MeteoSheetModel).
            SheetNote->setStyleSheet(QStringLiteral("QLabel { color: #5a0000; background: #ffc45c; }"));
            SheetNote->setMinimumWidth(SheetNote->fontMetrics().averageCharWidth() * 8);
            SheetNote->hide();
            bar->addWidget(SheetNote);
        }
    }
    setStatusBar(bar);

    buildMenus();
    connect(Command1, &QPushButton::clicked, this, &MainWindow::Command1_Click);
    connect(CmdAutoFind, &QPushButton::clicked, this, &MainWindow::CmdAutoFind_Click);
    resize(1100, 720);
    FitWindowsOnShow(*QCoreApplication::instance()); // this window and every dialog, at any scaling
    Form_Load();
}

MainWindow::~MainWindow()
{
    // The history clears itself as it goes, telling the window of every step; by the time
    // QWidget's destructor deletes the children, this window is no MainWindow any more.
    if (undoStack_) {
        undoStack_->disconnect(this);
        delete undoStack_;
    }
}

QWidget* MainWindow::buildColumnBoxes()
{
    // The classic eight boxes in Frame1; the other forms of humidity and the date in parts
    // in a group of their own, so that a person sees which boxes belong together.
    auto* boxes = new QWidget(this);
    Frame1 = new QGroupBox(QStringLiteral("Parameters in columns"), boxes);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame2 = new QGroupBox(QStringLiteral("Other forms of humidity and date"), boxes);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* classic = new QGridLayout(Frame1);
    auto* other = new QGridLayout(Frame2);
    const int boxWidth = fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12;
    // Both groups' captions as wide as the widest, so that their boxes stand in one column.
    int captionWidth = 0;
    for (const ColumnBox box : kAllColumnBoxes)
        captionWidth = std::max(captionWidth, fontMetrics().horizontalAdvance(QString::fromUtf8(kVariableCaptions[box])));
    for (const ColumnBox box : kAllColumnBoxes) {
        const int i = static_cast<int>(Index(box));
        const bool isClassic = Index(box) < kClassicColumnBoxes;
        QGroupBox* group = isClassic ? Frame1 : Frame2;
        QGridLayout* grid = isClassic ? classic : other;
        const int row = isClassic ? i : i - static_cast<int>(kClassicColumnBoxes);
        auto* caption = new QLabel(QString::fromUtf8(kVariableCaptions[box]), group);
        caption->setObjectName(QStringLiteral("Label1_%1").arg(i));
        QLineEdit*& edit = Text1[box];
        edit = new QLineEdit(group);
        edit->setObjectName(QStringLiteral("Text1_%1").arg(i));
        edit->setFixedWidth(boxWidth);
        caption->setBuddy(edit);
        grid->addWidget(caption, row, 0);
        grid->addWidget(edit, row, 1);
        connect(edit, &QLineEdit::textEdited, this, [this, box](const QString& text) {
            workbench_.columns.set(box, text.toStdString());
            columnsChanged();
        });

        const std::optional<UnitKind> kind = UnitKindOfBox(box);
        if (!kind) continue;
        QComboBox*& combo = Combo[*kind];
        combo = new QComboBox(group);
        combo->setObjectName(QStringLiteral("Combo%1").arg(Index(*kind) + 1));
        for (const UnitEntry& entry : UnitSelection::list(*kind)) combo->addItem(QString::fromUtf8(entry.text));
        combo->setToolTip(QString::fromUtf8(kUnitListCovers[*kind]));
        grid->addWidget(combo, row, 2);
        connect(combo, &QComboBox::activated, this,
                [this, kind = *kind](int entry) { workbench_.units.index[kind] = entry; });
    }
    for (QGridLayout* grid : {classic, other}) {
        grid->setColumnMinimumWidth(0, captionWidth);
        grid->setColumnStretch(2, 1);
    }
    Label8 = new QLabel(QStringLiteral("WARNING! If some data is not available, type 0."), Frame1);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setWordWrap(true);
    classic->addWidget(Label8, static_cast<int>(kClassicColumnBoxes), 0, 1, 3);

    auto* boxesLayout = new QVBoxLayout(boxes);
    boxesLayout->setContentsMargins(0, 0, 0, 0);
    boxesLayout->addWidget(Frame1);
    boxesLayout->addWidget(Frame2);
    return boxes;
}

QWidget* MainWindow::buildSettingsPanel()
{
    QWidget* boxes = buildColumnBoxes();
    // On a short screen (a laptop at 150 or 200 %) the boxes scroll; the buttons stay in sight.
    auto* scroll = new ColumnBoxesArea(this);
    scroll->setObjectName(QStringLiteral("ColumnBoxesArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    scroll->setWidget(boxes);
    scroll->setMinimumWidth(boxes->sizeHint().width() + scroll->verticalScrollBar()->sizeHint().width());
    scroll->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred); // the room left goes below the buttons

    Command1 = new QPushButton(QStringLiteral("Compute"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    CmdAutoFind = new QPushButton(QStringLiteral("Try auto finding"), this);
    CmdAutoFind->setObjectName(QStringLiteral("CmdAutoFind"));

    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    layout->addWidget(CmdAutoFind);
    layout->addWidget(Command1);
    layout->addStretch(1);
    panel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    return panel;
}

void MainWindow::buildMenus()
{
    // The menu tree in menu order; a null menu is an item of the menu bar itself. An item
    // without a slot is wired by buildHistory (Undo, Redo) or stays disabled (CSYMBA); the
    // member, where there is one, keeps the action for what is done to it afterwards.
    struct MenuItem {
        const char* menu;
        const char* caption;
        const char* name; // the action's objectName
        void (MainWindow::*slot)();
        QAction* MainWindow::*member = nullptr;
    };
    static constexpr MenuItem kMenuItems[] = {
        {"&File", "&Open", "open", &MainWindow::open_Click},
        {"&File", "Sa&ve", "save", &MainWindow::save_Click, &MainWindow::saveAction_},
        {"&File", "&Save as", "saveas", &MainWindow::saveas_Click},
        {"&File", "&Exit", "exit", &MainWindow::exit_Click, &MainWindow::exitAction_},
        {"E&dit", "&Undo", "undo", nullptr, &MainWindow::undoAction_}, // Alt+E opens "Etp methods", as it always has
        {"E&dit", "&Redo", "redo", nullptr, &MainWindow::redoAction_},
        {nullptr, "&Station", "station", &MainWindow::station_Click},
        {"&Etp methods", "&Combination", "combination", &MainWindow::combination_Click},
        {"&Etp methods", "&Other methods", "Other_Methods", &MainWindow::Other_Methods_Click},
        {"&Etp methods", "&Standard methods", "Standard_Methods", &MainWindow::Standard_Methods_Click},
        {"&Models meteo files", "&CREAMS", "creams", &MainWindow::creams_Click},
        {"&Models meteo files", "&LEACHM", "leachm", &MainWindow::leachm_Click},
        {"&Models meteo files", "CS&YMBA", "CSYMBA", nullptr, &MainWindow::csymbaAction_},
        {"&Models meteo files", "&MACRO", "macro", &MainWindow::macro_Click},
        {"&Irrigation", "&Turned irrigation", "turned", &MainWindow::turned_Click},
        {"&Irrigation", "&On demand", "domanda", &MainWindow::domanda_Click},
        {"&Irrigation", "&Crop water balance...", "cropbalance", &MainWindow::cropbalance_Click},
        {"&Option", "&PenmanMonteith", "OpzPenmon", &MainWindow::OpzPenmon_Click},
        {"&Option", "&Priestley-Taylor", "OpzPt", &MainWindow::OpzPt_Click},
        {"&Option", "&Turc", "OpzTurc", &MainWindow::OpzTurc_Click},
        {"&Option", "&Hargreaves", "OpzHargr", &MainWindow::OpzHargr_Click},
        {"&Option", "&Potential Radiation", "OpzPotRad", &MainWindow::OpzPotRad_Click},
        {"&Option", "&ASCE clear-sky radiation", "OpzAsceRso", &MainWindow::OpzAsceRso_Click},
        {"&Option", "&Missing data...", "OpzMissing", &MainWindow::OpzMissing_Click},
        {"&Tools", "Check &data...", "checkdata", &MainWindow::checkdata_Click},
        {"&Tools", "&Chart...", "chart", &MainWindow::chart_Click},
        {"&Tools", "&Summary...", "summary", &MainWindow::summary_Click},
        {"&Tools", "S&tations...", "stations", &MainWindow::stations_Click},
        {"&Help", "&help", "helph", &MainWindow::helph_Click},
        {"&Help", "&about", "about", &MainWindow::about_Click},
    };
    QMenu* menu = nullptr;
    for (const MenuItem& item : kMenuItems) {
        auto* action = new QAction(QString::fromLatin1(item.caption), this);
        action->setObjectName(QString::fromLatin1(item.name));
        if (item.slot) connect(action, &QAction::triggered, this, item.slot);
        if (item.member) this->*item.member = action;
        if (!item.menu) {
            menuBar()->addAction(action);
            continue;
        }
        if (!menu || menu->title() != QString::fromLatin1(item.menu)) {
            menu = menuBar()->addMenu(QString::fromLatin1(item.menu));
            menu->setToolTipsVisible(true); // why an item cannot be chosen
        }
        menu->addAction(action);
    }
    csymbaAction_->setEnabled(false);
    csymbaAction_->setToolTip(QStringLiteral("No file layout is defined for this model."));
    buildHistory();
}

void MainWindow::Form_Load()
{
    showColumnMap();
    showUnits();
    showStatusPanels();
}

void MainWindow::showColumnMap()
{
    for (const ColumnBox box : kAllColumnBoxes)
        Text1[box]->setText(QString::fromStdString(workbench_.columns.text(box)));
}

void MainWindow::showUnits()
{
    for (const UnitKind kind : kAllUnitKinds) Combo[kind]->setCurrentIndex(workbench_.units.index[kind]);
}

void MainWindow::showStatusPanels()
{
    for (std::size_t i = 0; i < StatusBar1.size(); ++i) {
        StatusBar1[i]->setText(ShownText(workbench_.statusPanels[i]));
        StatusBar1[i]->setToolTip(StatusBar1[i]->text());
        StatusBar1[i]->setVisible(i == 0 || !StatusBar1[i]->text().isEmpty()); // a station not set: one panel
    }
    showSheetNote();
}

// One line, the text just typed first; the tooltip holds both.
void MainWindow::showSheetNote()
{
    QStringList parts;
    if (const auto typed = NotANumberText(workbench_, typedRow_, typedColumn_)) parts << ShownText(*typed);
    if (const std::string stale = OutOfDateText(workbench_); !stale.empty()) parts << QString::fromStdString(stale);
    SheetNote->setText(parts.value(0));
    SheetNote->setToolTip(parts.join(QLatin1Char('\n')));
    SheetNote->setVisible(!parts.isEmpty());
    StatusBar1[0]->setVisible(parts.isEmpty()); // the working file gives way
}

void MainWindow::rememberStation()
{
    if (workbench_.stationSet && !workbench_.workingFile.path.empty())
        SetFileStation(QString::fromStdString(workbench_.workingFile.path), workbench_.station);
}

void MainWindow::open_Click()
{
    if (!SaveChangesFirst(workbench_, kUnsavedBeforeOpen, ui_)) return showStatusPanels();
    rememberStation(); // as the file being left had it last
    if (model_->rewrite([this] { return OpenFile(workbench_, ui_); })) sheetOpened();
    showStatusPanels();
    // A new file starts at its first day and first column.
    Grid1->scrollToTop();
    Grid1->horizontalScrollBar()->setValue(0);
}

void MainWindow::save_Click()
{
    if (SaveSheetFile(workbench_, ui_)) sheetSaved();
    showStatusPanels();
}

void MainWindow::saveas_Click()
{
    if (SaveSheetAs(workbench_, ui_)) sheetSaved();
    showStatusPanels();
}

void MainWindow::exit_Click()
{
    exitChosen_ = true;
    close();
    exitChosen_ = false;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Unsaved work: Save, Discard or Cancel in place of the yes-or-no question.
    if (HasUnsavedChanges(workbench_)) {
        const bool mayClose = SaveChangesFirst(workbench_, exitChosen_ ? kUnsavedBeforeExit : kUnsavedBeforeClose, ui_);
        if (!HasUnsavedChanges(workbench_)) sheetSaved();
        return mayClose ? event->accept() : event->ignore();
    }
    const char* question =
        exitChosen_ ? "Do you really want to exit the program?" : "Do you really want to close the program?";
    if (ui_.question(question, kApplicationTitle, Icon::Question, Buttons::YesNo) == Answer::Yes)
        event->accept();
    else
        event->ignore();
}

StationDialog& MainWindow::showStation()
{
    StationDialog& dialog = ShowModeless(form3_, this, workbench_, ui_);
    connect(&dialog, &StationDialog::applied, this, &MainWindow::showStatusPanels, Qt::UniqueConnection);
    connect(&dialog, &StationDialog::applied, this, &MainWindow::rememberStation, Qt::UniqueConnection);
    return dialog;
}

void MainWindow::station_Click() { showStation(); }

std::array<MethodsDialog*, 3> MainWindow::methodDialogs() const { return {form2_.data(), frmOthermet_.data(), frmStandard_.data()}; }

void MainWindow::openMethodDialog(MethodsDialog& dialog)
{
    dialog.checkColumns();
    // Opening one dialog may enable boxes of another.
    for (MethodsDialog* each : methodDialogs())
        if (each) each->showSelection();
}

// The method boxes follow the column boxes and the estimates as they change, the hidden
// dialogs' too, as their opening would set them, without its messages.
void MainWindow::columnsChanged()
{
    model_->marksChanged(); // which cells are inputs
    showSheetNote();
    const auto dialogs = methodDialogs();
    if (std::none_of(dialogs.begin(), dialogs.end(), [](MethodsDialog* each) { return each != nullptr; })) return;
    (void)OpenMethodDialog(workbench_.columns, workbench_.methods, workbench_.estimates);
    for (MethodsDialog* each : dialogs)
        if (each) each->showSelection();
}

void MainWindow::combination_Click() { openMethodDialog(ShowModeless(form2_, this, workbench_, ui_)); }

void MainWindow::Other_Methods_Click() { openMethodDialog(ShowModeless(frmOthermet_, this, workbench_, ui_)); }

void MainWindow::Standard_Methods_Click() { openMethodDialog(ShowModeless(frmStandard_, this, workbench_, ui_)); }

void MainWindow::OpzHargr_Click() { ShowModeless(formOpzHarg_, this, workbench_, ui_); }

// The one modal dialog: the estimates change what the next Compute writes, so the person
// settles them before going on. open() returns at once; the dialog keeps MainWindow blocked.
void MainWindow::OpzMissing_Click()
{
    if (!formMissing_) {
        formMissing_ = new MissingDataDialog(workbench_, ui_, this);
        connect(formMissing_, &QDialog::accepted, this, &MainWindow::columnsChanged);
    }
    formMissing_->open();
}

// Modal like "Missing data", for the same reason: the next Compute reads them.
void MainWindow::OpzPenmon_Click()
{
    if (!formOpzPenmon_) formOpzPenmon_ = new PenMonOptionDialog(workbench_, this);
    formOpzPenmon_->open();
}

void MainWindow::OpzPt_Click()
{
    if (!formOpzPt_) formOpzPt_ = new PriestleyTaylorOptionsDialog(workbench_, ui_, this);
    formOpzPt_->open();
}

void MainWindow::OpzTurc_Click()
{
    if (!formOpzTurc_) formOpzTurc_ = new TurcOptionDialog(workbench_, this);
    formOpzTurc_->open();
}

void MainWindow::OpzPotRad_Click()
{
    if (!formOpzPotRad_) formOpzPotRad_ = new PotRadOptionDialog(workbench_, this);
    formOpzPotRad_->open();
}

void MainWindow::OpzAsceRso_Click()
{
    if (!formOpzAsceRso_) formOpzAsceRso_ = new AsceRsoOptionDialog(workbench_, this);
    formOpzAsceRso_->open();
}

void MainWindow::helph_Click()
{
    if (!formHelp_) {
        const QString path = GuidePath();
        if (path.isEmpty())
            return ui_.message("The user guide (guide.md) is not installed with this program.", kApplicationTitle,
                               Icon::Exclamation);
        formHelp_ = new GuideWindow(path, this);
    }
    formHelp_->show();
    formHelp_->raise();
    formHelp_->activateWindow();
}

void MainWindow::about_Click() { ShowModeless(frmAbout_, this, ui_); }

// The table is built before the dialog shows; a refused table shows no dialog.
void MainWindow::creams_Click()
{
    if (!form4_) form4_ = new CreamsFilesDialog(workbench_, ui_, this);
    if (form4_->buildTable()) ShowModeless(form4_, this, workbench_, ui_);
}

void MainWindow::leachm_Click() { ShowModeless(form5_, this, workbench_, ui_); }

void MainWindow::macro_Click() { ShowModeless(form6_, this, workbench_, ui_); }

template <class Dialog>
void MainWindow::recordSheetEdits(Dialog& dialog, const QString& command)
{
    connect(&dialog, &Dialog::applying, this, &MainWindow::beginSheetEdit);
    connect(&dialog, &Dialog::sheetChanged, model_, &MeteoSheetModel::cellsRewritten);
    connect(&dialog, &Dialog::sheetChanged, this, [this, command] { endSheetEdit(command); });
}

void MainWindow::turned_Click()
{
    const bool created = !turnedIrri_;
    TurnedIrrigationDialog& dialog = ShowModeless(turnedIrri_, this, workbench_, ui_);
    if (created) recordSheetEdits(dialog, QStringLiteral("Turned irrigation"));
}

void MainWindow::domanda_Click()
{
    const bool created = !domirr_;
    OnDemandIrrigationDialog& dialog = ShowModeless(domirr_, this, workbench_, ui_);
    if (created) recordSheetEdits(dialog, QStringLiteral("On-demand irrigation"));
}

void MainWindow::cropbalance_Click()
{
    const bool created = !cropBalance_;
    CropBalanceDialog& dialog = ShowModeless(cropBalance_, this, workbench_, ui_);
    if (created) recordSheetEdits(dialog, QStringLiteral("Crop irrigation"));
    dialog.showForm();
}

void MainWindow::checkdata_Click()
{
    DataCheckDialog& dialog = ShowModeless(dataCheck_, this, workbench_, ui_);
    connect(&dialog, &DataCheckDialog::cellsChosen, this, &MainWindow::selectCells, Qt::UniqueConnection);
    dialog.refresh();
}

void MainWindow::chart_Click() { ShowModeless(chart_, this, workbench_, ui_).refresh(); }

void MainWindow::summary_Click()
{
    const bool shownBefore = summary_;
    SummaryDialog& dialog = ShowModeless(summary_, this, workbench_, ui_);
    if (shownBefore) dialog.refresh(); // a new dialog has just summed the sheet
}

void MainWindow::stations_Click()
{
    ShowModeless(stations_, this, workbench_, ui_);
}

void MainWindow::selectCells(int column, const QList<int>& rows)
{
    // One range per run of consecutive rows: thousands of rows stay a few ranges.
    QItemSelection cells;
    const int left = column == 0 ? 0 : column - 1;
    const int right = column == 0 ? model_->columnCount() - 1 : column - 1;
    for (qsizetype i = 0; i < rows.size();) {
        qsizetype end = i + 1;
        while (end < rows.size() && rows[end] == rows[end - 1] + 1) ++end;
        cells.select(model_->index(rows[i] - 1, left), model_->index(rows[end - 1] - 1, right));
        i = end;
    }
    if (cells.isEmpty()) return;
    Grid1->selectionModel()->select(cells, QItemSelectionModel::ClearAndSelect);
    const QModelIndex first = cells.first().topLeft();
    Grid1->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    Grid1->scrollTo(first);
}

void MainWindow::Command1_Click()
{
    const int titlesBefore = UsedColumnCount(workbench_.sheet);
    beginSheetEdit();
    const ComputeOutcome outcome = model_->rewrite([this] { return ComputeAndRecord(workbench_, ui_); });
    endSheetEdit(QStringLiteral("Compute"));
    showSheetNote();
    if (outcome == ComputeOutcome::StationRequested) {
        showStation().focusLatitude();
        return;
    }
    rememberStation();
    // Bring the new result columns into view.
    const int titlesAfter = UsedColumnCount(workbench_.sheet);
    if (titlesAfter > titlesBefore) Grid1->scrollTo(model_->index(Grid1->rowAt(0) < 0 ? 0 : Grid1->rowAt(0), titlesAfter - 1));
}

void MainWindow::CmdAutoFind_Click()
{
    TryAutoFinding(workbench_, ui_);
    rememberStation(); // a wind height read from a title
    showColumnMap();
    showUnits();
    showStatusPanels();
    columnsChanged();
}

} // namespace etp
