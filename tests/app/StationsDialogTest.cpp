// Tools > Stations...: the table and the report's place come from the scripted person,
// the stations run with the desktop's methods and options, and the report shows one row
// per station. What the runner does with each station is the batch tests' (tests/cli).
#include "AppSession.h"
#include "workbench/FileCommands.h"

using namespace etp;
using namespace etp::testing;

class TestStationsDialog : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        app_ = std::make_unique<AppSession>();
        app_->openSample(app_->path("sample.txt"), 400);
    }
    void cleanup() { app_.reset(); }

    // A station with the desktop's station values gets the sheet the desktop computes,
    // here with an Option menu choice changed; a file that is not a series is refused.
    void runsTheTableWithTheDesktopsSettings()
    {
        app_->workbench.methodOptions.priestleyTaylorAlpha = 1.5;
        app_->workbench.methods.checked = {};
        app_->tick(Method::PriestleyTaylor);
        app_->tick(Method::PenMon);
        app_->click(QStringLiteral("Command1"));
        WriteBytes(app_->path("empty.txt"), QByteArray());
        WriteBytes(app_->path("stations.csv"), "file,name,lat,alt,wind_height\nsample.txt,here,45,100,2\nempty.txt,,0,0,2\n");
        app_->ui.openFiles.push_back(app_->path("stations.csv").toStdString());
        app_->ui.saveFiles.push_back(app_->path("out/stations-report.txt").toStdString());
        QWidget* dialog = app_->openDialog(QStringLiteral("stations"), QStringLiteral("StationsDialog"));
        Child<QCheckBox>(dialog, QStringLiteral("CheckLeachmRain"))->setChecked(true);
        Child<QCheckBox>(dialog, QStringLiteral("CheckMacroEtp"))->setChecked(true);
        app_->click(QStringLiteral("CmdRun"), dialog);

        const QString report = TableText(Child<QTableWidget>(dialog, QStringLiteral("TableStations")));
        QCOMPARE(report.section(QLatin1Char('\n'), 1, 1), QStringLiteral("here\t400\t01/01/2001\t04/02/2002\t2\t0\t0\t0\t4\tdone"));
        QVERIFY2(report.section(QLatin1Char('\n'), 2, 2).contains(QStringLiteral("\trefused: The file ") + app_->path("empty.txt") +
                                                                  QStringLiteral(" cannot be read: it is empty.")),
                 qPrintable(report));
        QCOMPARE(Child<QLabel>(dialog, QStringLiteral("LabelStations"))->text(),
                 QStringLiteral("2 stations: 1 done, 1 refused; their files are in ") + app_->path("out"));
        QCOMPARE(ReadBytes(app_->path("out/here.txt")), QByteArray::fromStdString(SheetAsText(app_->workbench.sheet)));
        QVERIFY(QFile::exists(app_->path("out/stations-report.txt")));
        for (const char* file : {"out/here.leachm.rn", "out/here.macro.etp"}) QVERIFY2(QFile::exists(app_->path(file)), file);
        QVERIFY(!QFile::exists(app_->path("out/here.macro.rn")));
        QCOMPARE(app_->ui.saveTitles.back(), std::string("Stations - Save the report (the stations' files go beside it)"));
    }

    // A table with a problem runs nothing and says every problem; a cancelled choice does nothing.
    void aWrongTableRunsNothing()
    {
        WriteBytes(app_->path("stations.csv"), "file,name,lat,alt,wind_height\nsample.txt,a,45,100,2\nsample.txt,b,abc,100,2\n");
        app_->ui.openFiles.push_back(app_->path("stations.csv").toStdString());
        app_->ui.saveFiles.push_back(app_->path("out/stations-report.txt").toStdString());
        QWidget* dialog = app_->openDialog(QStringLiteral("stations"), QStringLiteral("StationsDialog"));
        app_->click(QStringLiteral("CmdRun"), dialog);
        QCOMPARE(app_->lastMessage(), QStringLiteral("ETP computation|No station was run:\rstations.csv line 3: lat \"abc\" is not a number"));
        QVERIFY(!QFileInfo::exists(app_->path("out")));

        const std::size_t said = app_->ui.messages.size();
        app_->ui.openFiles.push_back(std::nullopt);
        app_->click(QStringLiteral("CmdRun"), dialog);
        QCOMPARE(app_->ui.messages.size(), said);
        QCOMPARE(Child<QTableWidget>(dialog, QStringLiteral("TableStations"))->rowCount(), 0);
    }

private:
    std::unique_ptr<AppSession> app_;
};

QTEST_MAIN(TestStationsDialog)
#include "StationsDialogTest.moc"
