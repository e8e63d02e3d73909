// Irrigation > "Crop water balance": a built-in crop on the bundled sample, each box's
// text checked under the caption it is shown beside, Save of both tables, and the
// irrigation added to the rain column and taken back by Edit > Undo. How the balance is
// worked out: tests/irrigation; the same season from etp: tests/cli/CropBatchTest.cpp.
#include <QChart>
#include <QChartView>
#include <QLineSeries>

#include "AppSession.h"

using namespace etp;
using namespace etp::testing;

namespace {

const QString kSample = QStringLiteral(ETP_SAMPLE);
constexpr int kRainColumn = 9;

// Sheet row of a day of the sample, which starts on 1 January 2019 in row 2.
int RowOf(int year, int month, int day) { return 2 + static_cast<int>(QDate(2019, 1, 1).daysTo(QDate(year, month, day))); }

// The value the summary table shows beside a name.
QString SummaryValue(const QWidget* dialog, const QString& name)
{
    const auto* table = Child<QTableWidget>(dialog, QStringLiteral("TableSummary"));
    for (int r = 0; r < table->rowCount(); ++r)
        for (int c = 0; c + 1 < table->columnCount(); c += 2)
            if (table->item(r, c) && table->item(r, c)->text() == name) return table->item(r, c + 1)->text();
    return QStringLiteral("(no %1)").arg(name);
}

QLineSeries* ChartLine(const QWidget* dialog, const QString& name)
{
    for (QAbstractSeries* series : Child<QChartView>(dialog, QStringLiteral("ChartCrop"))->chart()->series())
        if (series->name() == name) return qobject_cast<QLineSeries*>(series);
    return nullptr;
}

// A person's choice in a list: the item, then the activation the list reports.
void Choose(QComboBox* list, const QString& item)
{
    const int index = list->findText(item);
    if (index < 0) throw std::runtime_error("no item " + item.toStdString());
    list->setCurrentIndex(index);
    emit list->activated(index);
}

} // namespace

class TestCropBalanceDialog : public QObject {
    Q_OBJECT
private slots:
    // The sample with PenMon computed, as the guide's season: station 44.5° N, 120 m.
    void init()
    {
        app_ = std::make_unique<AppSession>();
        app_->open(kSample);
        app_->click(QStringLiteral("CmdAutoFind"));
        app_->setStation(QStringLiteral("44.5"), QStringLiteral("120"));
        app_->computeOnly(Method::PenMon);
        app_->ui.messages.clear();
        dialog_ = app_->openDialog(QStringLiteral("cropbalance"), QStringLiteral("CropBalanceDialog"));
        QVERIFY(dialog_ && dialog_->isVisible());
    }

    // Choosing a crop or a soil writes its values into the boxes of its keys and leaves
    // the others; potato: FAO-56 Table 11 (25 days initial), Table 22 (p 0.35, roots
    // 0.4 to 0.6 m); loam: Table 19 (θFC 0.20 to 0.30, θWP 0.07 to 0.17).
    void presetsFillTheirKeys()
    {
        app_->type(QStringLiteral("Text_planting"), QStringLiteral("01/05/2019"), dialog_);
        Choose(Child<QComboBox>(dialog_, QStringLiteral("ComboCrop")), QStringLiteral("potato"));
        QCOMPARE(BoxBesideCaption(dialog_, QStringLiteral("l_ini"))->text(), QStringLiteral("25"));
        QCOMPARE(BoxBesideCaption(dialog_, QStringLiteral("p"))->text(), QStringLiteral("0.35"));
        QCOMPARE(BoxBesideCaption(dialog_, QStringLiteral("zr_max"))->text(), QStringLiteral("0.5"));
        QCOMPARE(BoxBesideCaption(dialog_, QStringLiteral("planting"))->text(), QStringLiteral("01/05/2019"));
        Choose(Child<QComboBox>(dialog_, QStringLiteral("ComboSoil")), QStringLiteral("loam"));
        const double fc = BoxBesideCaption(dialog_, QStringLiteral("theta_fc"))->text().toDouble();
        const double wp = BoxBesideCaption(dialog_, QStringLiteral("theta_wp"))->text().toDouble();
        QVERIFY(fc >= 0.20 && fc <= 0.30 && wp >= 0.07 && wp <= 0.17);
        QCOMPARE(BoxBesideCaption(dialog_, QStringLiteral("p"))->text(), QStringLiteral("0.35"));
        // Kept by the workbench: closed and opened again, the dialog shows them.
        dialog_->close();
        QWidget* again = app_->openDialog(QStringLiteral("cropbalance"), QStringLiteral("CropBalanceDialog"));
        QCOMPARE(Child<QComboBox>(again, QStringLiteral("ComboCrop"))->currentText(), QStringLiteral("potato"));
        QCOMPARE(BoxBesideCaption(again, QStringLiteral("planting"))->text(), QStringLiteral("01/05/2019"));
    }

    // The ET list holds the ET columns of the sheet at each opening; the balance reads the
    // one chosen: Hargreaves computed after the dialog was first shown, its season's ETref
    // is the sum of its column over the 150 days, not PenMon's 625.45.
    void theChosenEtColumnIsRead()
    {
        auto* list = Child<QComboBox>(dialog_, QStringLiteral("ComboEt"));
        QCOMPARE(list->count(), 2); // the default, PenMon
        dialog_->close();
        app_->computeOnly(Method::Hargreaves);
        dialog_ = app_->openDialog(QStringLiteral("cropbalance"), QStringLiteral("CropBalanceDialog"));
        QCOMPARE(list->itemText(2), QStringLiteral("Hargr."));
        Choose(list, QStringLiteral("Hargr."));
        runMaize();
        double sum = 0;
        for (int row = RowOf(2019, 4, 20); row <= RowOf(2019, 9, 16); ++row) sum += app_->cell(row, 11).toDouble();
        QCOMPARE(app_->cell(1, 11), QStringLiteral("Hargr."));
        QCOMPARE(SummaryValue(dialog_, QStringLiteral("ETref")), QString::number(sum, 'f', 2));
        QVERIFY(SummaryValue(dialog_, QStringLiteral("ETref")) != QStringLiteral("625.45"));
    }

    // Maize from 20 April 2019 on a sandy loam, rain only: the season of the user guide,
    // 30 + 40 + 50 + 30 days to 16 September, and its summary as the guide prints it.
    void presetRunOnTheSample()
    {
        runMaize();
        QVERIFY2(app_->ui.messages.empty(), qPrintable(app_->lastMessage()));
        QCOMPARE(Child<QLabel>(dialog_, QStringLiteral("LabelResult"))->text(),
                 QStringLiteral("150 days from 20/04/19 to 16/09/19: no irrigation."));
        QCOMPARE(SummaryValue(dialog_, QStringLiteral("ETref")), QStringLiteral("625.45"));
        QCOMPARE(SummaryValue(dialog_, QStringLiteral("ETc")), QStringLiteral("533.33"));
        QCOMPARE(SummaryValue(dialog_, QStringLiteral("ETa")), QStringLiteral("471.23"));
        QCOMPARE(SummaryValue(dialog_, QStringLiteral("DP")), QStringLiteral("199.01"));
        QCOMPARE(SummaryValue(dialog_, QStringLiteral("Stress_days")), QStringLiteral("58"));
        // The chart: a point a day; on 27 July (day 99) TAW 162, RAW 76.83 (the guide).
        for (const char* name : {"Dr", "RAW", "TAW"}) {
            const QLineSeries* line = ChartLine(dialog_, QString::fromLatin1(name));
            QVERIFY2(line && line->count() == 150, name);
        }
        QCOMPARE(qRound(ChartLine(dialog_, QStringLiteral("TAW"))->at(98).y() * 100), 16200);
        QCOMPARE(qRound(ChartLine(dialog_, QStringLiteral("RAW"))->at(98).y() * 100), 7683);
        QVERIFY(Child<QPushButton>(dialog_, QStringLiteral("CmdSave"))->isEnabled());
        QVERIFY(!Child<QPushButton>(dialog_, QStringLiteral("CmdAddToRain"))->isEnabled()); // nothing to add
    }

    void badBoxIsRefusedNamingIt_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("p") << "OptionNone" << "p" << "0.9" << "The box p: p must be a fraction from 0.1 to 0.8: \"0.9\"";
        QTest::newRow("theta_wp") << "OptionNone" << "theta_wp" << "0.3"
                                  << "The box theta_wp: theta_wp must be below theta_fc (0.23): \"0.3\"";
        QTest::newRow("planting empty") << "OptionNone" << "planting" << "" << "The box planting is empty.";
        QTest::newRow("efficiency") << "OptionRaw" << "Efficiency (%)" << "0"
                                    << "Efficiency (%) must be a percentage above 0 and up to 100: \"0\"";
        QTest::newRow("depth") << "OptionTaw" << "Depth (mm)" << "-5" << "Depth (mm) must be a depth above 0 and up to 1000 mm: \"-5\"";
        QTest::newRow("fraction") << "OptionTaw" << "" << "" << "The box Fraction of TAW is empty.";
        QTest::newRow("irrigation file") << "OptionGiven" << "" << "" << "The box Irrigation file is empty.";
    }

    // One message naming the box; no balance is kept (Save and the chart stay empty) and
    // the sheet is not touched.
    void badBoxIsRefusedNamingIt()
    {
        QFETCH(QString, option);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(QString, message);
        runMaize();
        QVERIFY(Child<QPushButton>(dialog_, QStringLiteral("CmdSave"))->isEnabled());
        ClickIndicator(Child<QRadioButton>(dialog_, option));
        if (option == QStringLiteral("OptionTaw") && caption.isEmpty())
            app_->type(QStringLiteral("TextFraction"), QString(), dialog_);
        if (!caption.isEmpty()) app_->type(BoxBesideCaption(dialog_, caption)->objectName(), text, dialog_);
        const QString rain = app_->cell(RowOf(2019, 7, 9), kRainColumn);
        app_->click(QStringLiteral("CmdRun"), dialog_);
        QCOMPARE(app_->ui.messages, std::vector<std::string>{"ETP computation|" + message.toStdString()});
        QVERIFY(!Child<QPushButton>(dialog_, QStringLiteral("CmdSave"))->isEnabled());
        QVERIFY(ChartLine(dialog_, QStringLiteral("Dr")) == nullptr);
        QCOMPARE(app_->cell(RowOf(2019, 7, 9), kRainColumn), rain);
        if (!caption.isEmpty()) QCOMPARE(BoxBesideCaption(dialog_, caption)->text(), text);
    }

    // Both names are asked first (daily table, then summary), then both files written; a
    // cancelled second name writes neither.
    void saveWritesBothTables()
    {
        runMaize();
        const QString table = app_->path("maize-daily.txt"), summary = app_->path("maize-summary.txt");
        app_->ui.saveFiles = {table.toStdString(), std::nullopt};
        app_->click(QStringLiteral("CmdSave"), dialog_);
        QVERIFY(!QFile::exists(table) && !QFile::exists(summary));

        app_->ui.saveFiles = {table.toStdString(), summary.toStdString()};
        app_->click(QStringLiteral("CmdSave"), dialog_);
        QVERIFY2(app_->ui.messages.empty(), qPrintable(app_->lastMessage()));
        const QStringList days = QString::fromLatin1(ReadBytes(table)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(days.size(), 151); // the title line and 150 days
        QVERIFY2(days[0].startsWith(QStringLiteral("Date\tETref\tKc\tETc\tKs\tETa\tRain\tRunoff\tIrrigation\tDP\tZr\tTAW\tRAW\tDr")),
                 qPrintable(days[0]));
        QVERIFY(days[1].startsWith(QStringLiteral("20/04/19\t")) && days[150].startsWith(QStringLiteral("16/09/19\t")));
        const QByteArray totals = ReadBytes(summary);
        QVERIFY2(totals.contains("ETa\t471.23") && totals.contains("Stress_days\t58"), totals.constData());
        QCOMPARE(app_->ui.saveTitles, (std::vector<std::string>{"Save the daily crop water balance", "Save the crop water balance summary",
                                                                "Save the daily crop water balance", "Save the crop water balance summary"}));
    }

    // Automatic at RAW with 80 % efficiency: the guide's two waterings, 94.88 mm on 9 July
    // and 122.98 mm on 27 August (applied). Added to the rain column once; Undo puts the
    // cells back as they were written, Redo adds them again.
    void addIrrigationToRainAndUndo()
    {
        ClickIndicator(Child<QRadioButton>(dialog_, QStringLiteral("OptionRaw")));
        app_->type(QStringLiteral("TextEfficiency"), QStringLiteral("80"), dialog_);
        runMaize();
        QVERIFY2(app_->ui.messages.empty(), qPrintable(app_->lastMessage()));
        QCOMPARE(Child<QLabel>(dialog_, QStringLiteral("LabelResult"))->text(),
                 QStringLiteral("150 days from 20/04/19 to 16/09/19: 2 irrigations, 217.86 mm applied."));
        QCOMPARE(SummaryValue(dialog_, QStringLiteral("Stress_days")), QStringLiteral("0"));
        const int july9 = RowOf(2019, 7, 9), august27 = RowOf(2019, 8, 27);
        const QString julyRain = app_->cell(july9, kRainColumn), augustRain = app_->cell(august27, kRainColumn);
        QCOMPARE(julyRain, QStringLiteral("0.0"));

        auto* add = Child<QPushButton>(dialog_, QStringLiteral("CmdAddToRain"));
        QVERIFY(add->isEnabled());
        app_->click(QStringLiteral("CmdAddToRain"), dialog_);
        QCOMPARE(app_->cell(july9, kRainColumn), QStringLiteral("94.88"));
        QCOMPARE(app_->cell(august27, kRainColumn).toDouble(), augustRain.toDouble() + 122.98);
        QCOMPARE(app_->workbench.cropApplications.size(), std::size_t(2));
        QVERIFY(!add->isEnabled()); // not twice
        QVERIFY(app_->form->isWindowModified());

        auto* undo = Child<QAction>(app_->form.get(), QStringLiteral("undo"));
        QCOMPARE(undo->text(), QStringLiteral("&Undo Crop irrigation"));
        app_->triggerAction(QStringLiteral("undo"));
        QCOMPARE(app_->cell(july9, kRainColumn), julyRain);
        QCOMPARE(app_->cell(august27, kRainColumn), augustRain);
        QVERIFY(app_->workbench.cropApplications.empty());
        app_->triggerAction(QStringLiteral("redo"));
        QCOMPARE(app_->cell(july9, kRainColumn), QStringLiteral("94.88"));
        QCOMPARE(app_->workbench.cropApplications.size(), std::size_t(2));
        QVERIFY(app_->ui.messages.empty());
    }

private:
    void runMaize()
    {
        Choose(Child<QComboBox>(dialog_, QStringLiteral("ComboCrop")), QStringLiteral("maize"));
        Choose(Child<QComboBox>(dialog_, QStringLiteral("ComboSoil")), QStringLiteral("sandy loam"));
        app_->type(QStringLiteral("Text_planting"), QStringLiteral("20/04/2019"), dialog_);
        app_->click(QStringLiteral("CmdRun"), dialog_);
    }

    std::unique_ptr<AppSession> app_;
    QWidget* dialog_ = nullptr;
};

QTEST_MAIN(TestCropBalanceDialog)
#include "CropBalanceDialogTest.moc"
