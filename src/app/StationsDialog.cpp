#include "app/StationsDialog.h"

#include <QCheckBox>
#include <QEventLoop>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <atomic>
#include <filesystem>
#include <thread>

#include "app/DialogButtons.h"
#include "app/QtUserInterface.h"
#include "base/Messages.h"
#include "pipeline/StationsBatch.h"
#include "pipeline/WorkbenchChoices.h"

namespace etp {

namespace {

constexpr const char* kReportDialogTitle = "Stations - Save the report (the stations' files go beside it)";
// The first problems of a table, as etp prints them.
constexpr std::size_t kProblemsShown = 20;

// The model files a station may get, named NAME.ending beside the report.
struct StationFile {
    const char* name;
    const char* caption;
    std::string ModelFileOptions::*option;
    const char* ending;
};
constexpr StationFile kStationFiles[] = {
    {"CheckCreamsTr", "CREAMS temperature and radiation (.creams.tr)", &ModelFileOptions::creamsTr, "creams.tr"},
    {"CheckCreamsRain", "CREAMS rain (.creams.rn)", &ModelFileOptions::creamsRain, "creams.rn"},
    {"CheckLeachmRain", "LEACHM rain (.leachm.rn)", &ModelFileOptions::leachmRain, "leachm.rn"},
    {"CheckLeachmEtp", "LEACHM ET, temperature and amplitude (.leachm.etp)", &ModelFileOptions::leachmEtp, "leachm.etp"},
    {"CheckMacroRain", "MACRO rain (.macro.rn)", &ModelFileOptions::macroRain, "macro.rn"},
    {"CheckMacroEtp", "MACRO ET (.macro.etp)", &ModelFileOptions::macroEtp, "macro.etp"},
};

} // namespace

StationsDialog::StationsDialog(const Workbench& workbench, UserInterface& ui, QWidget* parent)
    : QDialog(parent), workbench_(workbench), ui_(ui)
{
    setObjectName(QStringLiteral("StationsDialog"));
    setWindowTitle(QStringLiteral("Stations"));
    auto* files = new QGroupBox(QStringLiteral("Model files of each station (the ET of the last ET column found)"), this);
    auto* grid = new QGridLayout(files);
    for (std::size_t i = 0; i < CheckFiles.size(); ++i) {
        CheckFiles[i] = new QCheckBox(QString::fromLatin1(kStationFiles[i].caption), files);
        CheckFiles[i]->setObjectName(QString::fromLatin1(kStationFiles[i].name));
        grid->addWidget(CheckFiles[i], static_cast<int>(i / 2), static_cast<int>(i % 2));
    }
    LabelStations = new QLabel(QStringLiteral("Each station's sheet and summary, and the files ticked above, go "
                                              "beside the report."),
                               this);
    LabelStations->setObjectName(QStringLiteral("LabelStations"));
    LabelStations->setWordWrap(true);
    TableStations = new QTableWidget(this);
    TableStations->setObjectName(QStringLiteral("TableStations"));
    TableStations->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TableStations->verticalHeader()->hide();
    TableStations->verticalHeader()->setDefaultSectionSize(TableStations->fontMetrics().height() + 6);
    auto* buttons = new QDialogButtonBox(this);
    CmdRun = AddButton(*buttons, "CmdRun", QStringLiteral("&Run a table..."), QDialogButtonBox::ActionRole);
    connect(CmdRun, &QPushButton::clicked, this, &StationsDialog::runTable);
    CmdClose = AddButton(*buttons, "CmdClose", QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    connect(CmdClose, &QPushButton::clicked, this, &QDialog::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(files);
    layout->addWidget(LabelStations);
    layout->addWidget(TableStations, 1);
    layout->addWidget(buttons);
    resize(900, 480);
}

void StationsDialog::runTable()
{
    const auto table = ui_.chooseOpenFile(kOpenInitialName, kOpenFilters);
    if (!table || table->empty()) return;
    const auto report = ui_.chooseSaveFile("stations-report.txt", kReportDialogTitle);
    if (!report || report->empty()) return;
    const std::string folder = std::filesystem::path(*report).parent_path().string();

    BatchOptions common;
    for (std::size_t i = 0; i < CheckFiles.size(); ++i)
        if (CheckFiles[i]->isChecked()) common.modelFiles.*kStationFiles[i].option = kStationFiles[i].ending;
    StationNetwork network;
    {
        auto busy = ui_.busy(Pointer::Busy);
        network = PrepareStationNetwork(common, *table, folder, false);
    }
    if (!network.problems.empty()) {
        std::string text = "No station was run:";
        for (std::size_t i = 0; i < std::min(network.problems.size(), kProblemsShown); ++i) text += "\r" + network.problems[i];
        if (network.problems.size() > kProblemsShown)
            text += "\rand " + std::to_string(network.problems.size() - kProblemsShown) + " more problems in the table";
        ui_.message(text, kApplicationTitle, Icon::Critical);
        return;
    }

    // The stations run on threads of their own while this one keeps the progress shown.
    const int total = static_cast<int>(network.rows.size());
    QProgressDialog progress(QStringLiteral("Running %1 stations...").arg(total), QStringLiteral("Cancel"), 0, total,
                             parentWidget());
    progress.setObjectName(QStringLiteral("ProgressStations"));
    progress.setWindowTitle(QStringLiteral("Stations"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    std::atomic<bool> cancel{false};
    connect(&progress, &QProgressDialog::canceled, &progress, [&] {
        cancel = true;
        progress.setLabelText(QStringLiteral("Cancelled: the stations running now finish, no other starts..."));
    });
    QEventLoop finished;
    std::vector<StationResult> results;
    const StationRunSettings settings{common, folder, static_cast<int>(std::max(1u, std::thread::hardware_concurrency())), {},
                                      MethodChoicesOf(workbench_)};
    std::jthread worker([&] {
        results = RunStations(
            network.rows, settings,
            [&](const StationProgress& p) {
                QMetaObject::invokeMethod(&progress, [&progress, p] {
                    progress.setValue(p.done);
                    if (p.refused > 0) progress.setLabelText(progress.labelText().section(QLatin1Char('\n'), 0, 0) +
                                                             QStringLiteral("\n%1 refused").arg(p.refused));
                }, Qt::QueuedConnection);
            },
            &cancel);
        QMetaObject::invokeMethod(&finished, [&finished] { finished.quit(); }, Qt::QueuedConnection);
    });
    finished.exec();
    worker.join();
    progress.close();

    if (const auto failure = WriteStationReport(folder, results))
        ui_.message("The report " + *report + " could not be written: " + *failure + ".", kApplicationTitle, Icon::Critical);
    showReport(results, QString::fromStdString(folder));
}

void StationsDialog::showReport(const std::vector<StationResult>& results, const QString& folder)
{
    std::vector<StationReportLine> lines;
    for (const StationResult& result : results) lines.push_back(result.report);
    QStringList rows = ShownText(StationReportText(lines)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList header = rows.takeFirst().split(QLatin1Char('\t'));
    TableStations->clear();
    TableStations->setColumnCount(static_cast<int>(header.size()));
    TableStations->setHorizontalHeaderLabels(header);
    TableStations->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList fields = rows[r].split(QLatin1Char('\t'));
        for (int k = 0; k < fields.size(); ++k) TableStations->setItem(r, k, new QTableWidgetItem(fields[k]));
    }
    TableStations->resizeColumnsToContents();
    LabelStations->setText(QString::fromStdString(StationTotals(results)) + QStringLiteral("; their files are in ") + folder);
    show();
    raise();
    activateWindow();
}

} // namespace etp
