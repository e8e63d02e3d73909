// Tools > Chart and the chart written without a window: which columns are drawn, the
// rain bars and their ownership, the image files, zoom and pan, and the export.

#include <QtCharts>

#include "AppSession.h"
#include "app/ChartRenderer.h"
#include "et/Methods.h"

using namespace etp;
using namespace etp::testing;

namespace {

// The series in drawing order, the rain bars as "bars:" and their name.
QStringList Names(const QChart& chart)
{
    QStringList names;
    for (const QAbstractSeries* series : chart.series())
        names << (series->type() == QAbstractSeries::SeriesTypeArea ? QStringLiteral("bars:") : QString()) + series->name();
    return names;
}

QPair<qint64, qint64> DateRange(const QChart& chart)
{
    const auto* axis = qobject_cast<QDateTimeAxis*>(chart.axes(Qt::Horizontal).constFirst());
    return {axis->min().toMSecsSinceEpoch(), axis->max().toMSecsSinceEpoch()};
}

QDate DateAt(double x) { return QDateTime::fromMSecsSinceEpoch(qint64(x)).date(); }

} // namespace

class TestChartDialog : public QObject {
    Q_OBJECT
private slots:
    // 90 days with PenMon, Hargr. and PotRad computed (in this order: columns 10, 11, 12).
    void initTestCase()
    {
        app_ = std::make_unique<AppSession>();
        app_->openSample(file("days.txt"), 90);
        for (const Method k : {Method::PenMon, Method::Hargreaves, Method::PotentialRadiation}) app_->tick(k);
        app_->click(QStringLiteral("Command1"));
        QCOMPARE(app_->cell(1, 12), QStringLiteral("PotRad"));
    }

    void cleanupTestCase() { app_.reset(); }
    void init() { app_->ui.messages.clear(); }

    // The sample rains 6.2 mm every 7th day from 1 January on: 13 rainy days in 90, a bar
    // each, drawn first so that the lines lie over them. PotRad is no ET.
    void defaultDrawsTheRainBarsAndEveryEtColumn()
    {
        std::string problem;
        auto chart = BuildChart(app_->workbench, {}, problem);
        QVERIFY(problem.empty());
        QCOMPARE(Names(*chart), (QStringList{"bars:RAIN (mm)", "PenMon", "Hargr."}));
        // A line's points are the column's values at the days' dates.
        const auto* penMon = qobject_cast<QLineSeries*>(chart->series().at(1));
        QCOMPARE(penMon->count(), 90);
        QCOMPARE(penMon->at(4).y(), app_->cell(6, 10).toDouble());
        QCOMPARE(DateAt(penMon->at(4).x()), QDate(2001, 1, 5));

        const auto* bars = qobject_cast<QAreaSeries*>(chart->series().constFirst());
        const QList<QPointF> outline = bars->upperSeries()->points();
        QCOMPARE(outline.size(), 13 * 4);
        QCOMPARE(outline[1].y(), 6.2); // the first bar, 1 January
        QCOMPARE(DateAt(outline[1].x()), QDate(2001, 1, 1));
        // The area series does not own its outline lines: they must go with the chart.
        const QPointer<QLineSeries> upper = bars->upperSeries(), lower = bars->lowerSeries();
        chart.reset();
        QVERIFY(upper.isNull() && lower.isNull());
    }

    // PNG files: EtpChartTest. The ending's case does not matter.
    void rendersAnSvgAndRefusesOtherEndingsAndEmptySheets()
    {
        ChartOptions options;
        options.width = 640;
        options.height = 360;
        std::string error;
        QVERIFY2(RenderChart(app_->workbench, file("chart.SVG").toStdString(), options, error), error.c_str());
        QVERIFY(ReadBytes(file("chart.SVG")).contains("viewBox=\"0 0 640 360\""));

        QVERIFY(!RenderChart(app_->workbench, file("chart.jpg").toStdString(), {}, error));
        QVERIFY2(error.find(".png or .svg") != std::string::npos, error.c_str());
        QVERIFY(!RenderChart(Workbench(), file("empty.png").toStdString(), {}, error));
        QCOMPARE(error, std::string("no row holds a date in the date column"));
        ChartOptions nothing;
        nothing.columns = std::vector<int>{};
        nothing.rain = false;
        QVERIFY(!RenderChart(app_->workbench, file("nothing.png").toStdString(), nothing, error));
        QVERIFY2(error.find("nothing to draw") == 0, error.c_str());
        QCOMPARE(QDir(app_->scratch.path()).entryList({QStringLiteral("*.png"), QStringLiteral("*.jpg")}), QStringList());
    }

    // The next opening keeps the choice; the defaults again for the other tests.
    void ticksInTheListChangeTheLinesAndStay()
    {
        QWidget* dialog = app_->openDialog(QStringLiteral("chart"), QStringLiteral("ChartDialog"));
        auto* list = Child<QListWidget>(dialog, QStringLiteral("ListColumns"));
        auto* rain = Child<QCheckBox>(dialog, QStringLiteral("CheckRain"));
        QCOMPARE(list->count(), 3);
        list->item(0)->setCheckState(Qt::Unchecked);
        list->item(2)->setCheckState(Qt::Checked);
        ClickIndicator(rain);
        QCOMPARE(Names(*view()->chart()), (QStringList{"Hargr.", "PotRad"}));

        dialog->hide();
        app_->triggerAction(QStringLiteral("chart"));
        QCOMPARE(Names(*view()->chart()), (QStringList{"Hargr.", "PotRad"}));
        list->item(0)->setCheckState(Qt::Checked);
        list->item(2)->setCheckState(Qt::Unchecked);
        ClickIndicator(rain);
        QCOMPARE(Names(*view()->chart()), (QStringList{"bars:RAIN (mm)", "PenMon", "Hargr."}));
    }

    void wheelZoomsKeysPanAndResetRestores()
    {
        app_->triggerAction(QStringLiteral("chart"));
        QChartView* chartView = view();
        QVERIFY(QTest::qWaitForWindowExposed(chartView->window()));
        const auto full = DateRange(*chartView->chart());

        const QPointF centre = chartView->viewport()->rect().center();
        QWheelEvent wheel(centre, chartView->viewport()->mapToGlobal(centre), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(chartView->viewport(), &wheel);
        const auto zoomed = DateRange(*chartView->chart());
        QVERIFY(zoomed.first > full.first && zoomed.second < full.second);

        QTest::keyClick(chartView, Qt::Key_Right);
        const auto panned = DateRange(*chartView->chart());
        QVERIFY(panned.first > zoomed.first);
        QVERIFY(qAbs((panned.second - panned.first) - (zoomed.second - zoomed.first)) < 60'000); // same span

        app_->click(QStringLiteral("CmdResetZoom"), app_->dialog(QStringLiteral("ChartDialog")));
        QCOMPARE(DateRange(*chartView->chart()), full);
    }

    void exportWritesTheChartAsShown()
    {
        QWidget* dialog = app_->openDialog(QStringLiteral("chart"), QStringLiteral("ChartDialog"));
        app_->ui.saveFiles.push_back(file("shown.png").toStdString());
        app_->click(QStringLiteral("CmdExportPng"), dialog);
        QVERIFY(app_->ui.messages.empty());
        QCOMPARE(app_->ui.saveInitialNames.back(), std::string("*.png"));
        QCOMPARE(QImage(file("shown.png")).size(), view()->chart()->size().toSize());

        app_->ui.saveFiles.push_back(file("shown.svg").toStdString());
        app_->click(QStringLiteral("CmdExportSvg"), dialog);
        QVERIFY(ReadBytes(file("shown.svg")).contains("<svg"));

        app_->ui.saveFiles.push_back(file("nowhere/shown.png").toStdString());
        app_->click(QStringLiteral("CmdExportPng"), dialog);
        QVERIFY2(app_->lastMessage().startsWith(QStringLiteral("ETP computation|The chart was not exported: the file ")),
                 qPrintable(app_->lastMessage()));
    }

private:
    QChartView* view() const { return Child<QChartView>(app_->dialog(QStringLiteral("ChartDialog")), QStringLiteral("ChartView1")); }
    QString file(const char* name) const { return app_->path(name); }

    std::unique_ptr<AppSession> app_;
};

QTEST_MAIN(TestChartDialog)
#include "ChartDialogTest.moc"
