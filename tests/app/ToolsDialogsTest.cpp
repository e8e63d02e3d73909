// Tools > Chart, Summary and Check data, and the chart written without a window. The
// chart: which columns are drawn, the rain bars and their ownership, the days without a
// value, the image files, the export. Summary and Check data show the core's tables of the
// sheet as it is at each opening (and Copy and Save as it is when they are clicked); a
// click on a finding selects its cells in Grid1.
#include <QtCharts>

#include "AppSession.h"
#include "analysis/DataCheck.h"
#include "analysis/Summary.h"
#include "app/ChartRenderer.h"
#include "app/chart/ChartScales.h"
#include "import/TextImport.h"

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

QDate DateAt(double x) { return QDateTime::fromMSecsSinceEpoch(qint64(x)).date(); }

// Each series in drawing order with what it draws, by day of the month: a line's points
// as "day:value", the steps of an area ("bars:") as "day:height" or "first-last:height".
QStringList Drawn(const QChart& chart)
{
    QStringList drawn;
    for (const QAbstractSeries* series : chart.series()) {
        if (const auto* area = qobject_cast<const QAreaSeries*>(series)) {
            QString text = QStringLiteral("bars:") + series->name();
            const QList<QPointF> outline = area->upperSeries()->points();
            for (qsizetype i = 0; i + 3 < outline.size(); i += 4) { // up, across, down
                const int first = DateAt(outline[i + 1].x()).day(), last = DateAt(outline[i + 2].x() - 1).day();
                const QString days = first == last ? QString::number(first) : QStringLiteral("%1-%2").arg(first).arg(last);
                text += QStringLiteral(" %1:%2").arg(days).arg(outline[i + 1].y());
            }
            drawn << text;
            continue;
        }
        QString text = series->name();
        for (const QPointF& point : qobject_cast<const QLineSeries*>(series)->points())
            text += QStringLiteral(" %1:%2").arg(DateAt(point.x()).day()).arg(point.y());
        drawn << text;
    }
    return drawn;
}


// The tick labels an axis shows, read from the chart's laid-out scene in order along the
// axis: below the plot for the dates, left of it for the first value axis (whose title
// is no number and is left out). The legend is hidden so that its labels do not count.
QStringList TickLabels(const QChart& chart, Qt::Orientation orientation)
{
    const QRectF plot = chart.plotArea();
    std::vector<std::pair<double, QString>> labels;
    for (const QGraphicsItem* item : chart.scene()->items()) {
        const auto* text = dynamic_cast<const QGraphicsTextItem*>(item);
        if (!text || !text->isVisible() || text->toPlainText().isEmpty()) continue;
        const QRectF box = text->sceneBoundingRect();
        if (orientation == Qt::Horizontal && box.top() >= plot.bottom() - 1 && box.top() < plot.bottom() + box.height())
            labels.emplace_back(box.center().x(), text->toPlainText());
        bool number = false;
        text->toPlainText().toDouble(&number);
        if (orientation == Qt::Vertical && number && box.right() <= plot.left() + 1)
            labels.emplace_back(-box.center().y(), text->toPlainText());
    }
    std::sort(labels.begin(), labels.end());
    QStringList texts;
    for (const auto& label : labels) texts << label.second;
    return texts;
}

// The centre, along the date axis, of the label below the plot reading `text`.
double LabelCentre(const QChart& chart, const QString& text)
{
    const QRectF plot = chart.plotArea();
    for (const QGraphicsItem* item : chart.scene()->items()) {
        const auto* label = dynamic_cast<const QGraphicsTextItem*>(item);
        if (label && label->isVisible() && label->toPlainText() == text && label->sceneBoundingRect().top() >= plot.bottom() - 1)
            return label->sceneBoundingRect().center().x();
    }
    return -1e9;
}

// Labels at equal steps of 1, 2 or 5 times a power of ten, each a multiple of the step.
bool RoundTicks(const QStringList& labels)
{
    if (labels.size() < 2) return false;
    const double step = labels[1].toDouble() - labels[0].toDouble();
    const double decade = std::pow(10, std::floor(std::log10(step)));
    const double mantissa = step / decade;
    if (!(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 || std::abs(mantissa - 5) < 1e-9)) return false;
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const double units = labels[i].toDouble() / step;
        if (std::abs(units - std::round(units)) > 1e-6) return false;
        if (i > 0 && std::abs(labels[i].toDouble() - labels[i - 1].toDouble() - step) > step * 1e-6) return false;
    }
    return true;
}

// A sheet of `days` days from 1 January 2001: DATE, RAIN on every 5th day, then the
// result columns titled `labels`, each a smooth season with its own offset; the days in
// `gap` hold no value in the result columns.
QByteArray ResultSheet(int days, const QStringList& labels, std::pair<int, int> gap = {-1, -1})
{
    QByteArray text = "DATE\tRAIN";
    for (const QString& label : labels) text += '\t' + label.toUtf8();
    text += "\r\n";
    for (int i = 0; i < days; ++i) {
        text += QDate(2001, 1, 1).addDays(i).toString(QStringLiteral("dd/MM/yyyy")).toLatin1();
        text += i % 5 == 0 ? "\t3.5" : "\t0";
        for (qsizetype k = 0; k < labels.size(); ++k) {
            const bool missing = i >= gap.first && i <= gap.second;
            text += '\t' + (missing ? QByteArray() : QByteArray::number(3 + static_cast<double>(k) + 2 * std::sin(i / 58.0) + (i % 7) * 0.1, 'f', 2));
        }
        text += "\r\n";
    }
    return text;
}

// The chart of a sheet read from text (dates in column 1), laid out in its own scene at
// 800 x 500 with the legend hidden.
struct LaidOutChart {
    LaidOutChart(const QByteArray& text, const ChartOptions& options = {})
    {
        workbench.columns.set(ColumnBox::Date, "1");
        ReadTextLines(workbench.sheet, std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
        chart = BuildChart(workbench, options, problem);
        scene.addItem(chart.get());
        chart->legend()->hide();
        chart->resize(800, 500);
        chart->layout()->activate();
    }
    ~LaidOutChart() { scene.removeItem(chart.get()); }
    QAbstractAxis* axisTitled(const QString& title) const
    {
        for (QAbstractAxis* axis : chart->axes())
            if (axis->titleText() == title) return axis;
        return nullptr;
    }

    Workbench workbench;
    QGraphicsScene scene;
    std::string problem;
    std::unique_ptr<QChart> chart;
};

} // namespace

class TestToolsDialogs : public QObject {
    Q_OBJECT
private slots:
    // One session for all: 90 days from 1 January 2001 at 45° N, with PenMon, Hargr. and
    // PotRad computed (in this order: columns 10, 11, 12).
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

    // A day without a value breaks its line (no drop to 0, no bridge across the gap) and is
    // shaded when rain has none; an empty rain cell is a dry day, "n.d." and -9999 are not.
    void missingDaysBreakTheLinesAndShadeTheRain()
    {
        Workbench workbench;
        workbench.columns.set(ColumnBox::Date, "1");
        ReadTextLines(workbench.sheet, "DATE\tRAIN\tPenMon\tHargr.\r\n"
                                       "01/01/01\t\t1\t2\r\n"
                                       "02/01/01\t5\t\t2\r\n"
                                       "03/01/01\tn.d.\t2\t2\r\n"
                                       "04/01/01\t-9999\t3\t2\r\n"
                                       "05/01/01\t0\t-999\t2\r\n"
                                       "06/01/01\t\tn.d.\t2\r\n"
                                       "07/01/01\t2.5\t4\t2\r\n"
                                       "08/01/01\t-999\t5\t2\r\n");
        QGraphicsScene scene; // lays out the legend; made before the chart, which leaves it first
        std::string problem;
        const auto chart = BuildChart(workbench, {}, problem);
        scene.addItem(chart.get());
        chart->resize(600, 400);
        chart->layout()->activate();
        QCOMPARE(Drawn(*chart), (QStringList{"bars:RAIN (mm) 2:5 7:2.5", "bars:RAIN missing 3-4:10 8:10", "PenMon 1:1",
                                             "Hargr. 1:2 2:2 3:2 4:2 5:2 6:2 7:2 8:2", "PenMon 3:2 4:3", "PenMon 7:4 8:5"}));
        // One legend entry and one colour a column; a day alone between gaps is a dot.
        QStringList legend;
        for (const QLegendMarker* marker : chart->legend()->markers())
            if (marker->isVisible()) legend << marker->label();
        QCOMPARE(legend, (QStringList{"RAIN (mm)", "RAIN missing", "PenMon", "Hargr."}));
        const auto line = [&chart](int k) { return qobject_cast<QLineSeries*>(chart->series().at(k)); };
        QCOMPARE(line(4)->pen().color(), line(2)->pen().color());
        QCOMPARE(line(5)->pen().color(), line(2)->pen().color());
        QVERIFY(line(2)->pen().color() != line(3)->pen().color());
        QVERIFY(line(2)->pointsVisible() && !line(4)->pointsVisible());
    }

    // PNG files: EtpChartTest. The ending's case does not matter.
    void rendersAnSvgAndRefusesOtherEndingsAndEmptySheets()
    {
        std::string error;
        const ChartOptions small{.columns = {}, .rain = true, .width = 640, .height = 360};
        QVERIFY2(RenderChart(app_->workbench, file("chart.SVG").toStdString(), small, error), error.c_str());
        QVERIFY(ReadBytes(file("chart.SVG")).contains("viewBox=\"0 0 640 360\""));

        QVERIFY(!RenderChart(app_->workbench, file("chart.jpg").toStdString(), {}, error));
        QVERIFY2(error.find(".png or .svg") != std::string::npos, error.c_str());
        QVERIFY(!RenderChart(Workbench(), file("empty.png").toStdString(), {}, error));
        QCOMPARE(error, std::string("no row holds a date in the date column"));
        const ChartOptions nothing{.columns = std::vector<int>{}, .rain = false};
        QVERIFY(!RenderChart(app_->workbench, file("nothing.png").toStdString(), nothing, error));
        QVERIFY2(error.find("nothing to draw") == 0, error.c_str());
        QCOMPARE(QDir(app_->scratch.path()).entryList({QStringLiteral("*.png"), QStringLiteral("*.jpg")}), QStringList());
    }

    // Each unit has its own titled axis: PotRad's MJ are not drawn against mm, rain hangs
    // from an axis of its own. Every line has a colour of its own, none the rain's.
    void eachUnitHasItsOwnTitledAxisAndEachLineItsColour()
    {
        const LaidOutChart shown(ResultSheet(60, {"PenMon", "PotRad", "Hargr.", "Turc", "P-T", "PFAOrad"}),
                                 {.columns = std::vector<int>{3, 4, 5, 6, 7, 8}});
        const auto axisOf = [&](int k) {
            const QList<QAbstractAxis*> axes = shown.chart->series().at(k)->attachedAxes();
            return axes.size() == 2 ? axes.at(1) : nullptr;
        };
        QAbstractAxis* et = shown.axisTitled(QStringLiteral("ET (mm/day)"));
        QAbstractAxis* radiation = shown.axisTitled(QStringLiteral("radiation (MJ m-2 d-1)"));
        QAbstractAxis* rain = shown.axisTitled(QStringLiteral("rain and irrigation (mm)"));
        QVERIFY(et && radiation && rain);
        QCOMPARE(shown.chart->axes(Qt::Vertical).size(), 3);
        for (const QAbstractAxis* axis : shown.chart->axes(Qt::Vertical)) QVERIFY(axis->isTitleVisible());
        QCOMPARE(axisOf(0), rain);       // the bars
        QCOMPARE(axisOf(1), et);         // PenMon
        QCOMPARE(axisOf(2), radiation); // PotRad
        QCOMPARE(axisOf(3), et);         // Hargr.

        QSet<QRgb> colours{qobject_cast<QAreaSeries*>(shown.chart->series().at(0))->color().rgb()};
        for (int k = 1; k <= 6; ++k) colours.insert(qobject_cast<QLineSeries*>(shown.chart->series().at(k))->pen().color().rgb());
        QCOMPARE(colours.size(), 7);
    }

    // Compute run twice gives two columns of each label: the legend tells them apart by
    // their columns, and the newest is drawn by default.
    void repeatedLabelsShowTheirColumnAndTheNewestIsDrawn()
    {
        const QByteArray text = ResultSheet(30, {"PenMon", "Hargr.", "PenMon", "PotRad"});
        Workbench workbench;
        ReadTextLines(workbench.sheet, std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
        QStringList listed;
        for (const ChartColumn& column : ChartColumns(workbench.sheet))
            listed << QString::fromStdString(column.name) + (column.drawnByDefault ? "+" : "-");
        QCOMPARE(listed, (QStringList{"PenMon (col 3)-", "Hargr.+", "PenMon (col 5)+", "PotRad-"}));

        const LaidOutChart shown(text);
        QCOMPARE(Names(*shown.chart), (QStringList{"bars:RAIN (mm)", "Hargr.", "PenMon (col 5)"}));
    }

    // Ticks at round values after the wheel zoomed in, whatever range the zoom left.
    void ticksStayRoundAfterAWheelZoom()
    {
        QWidget* dialog = app_->openDialog(QStringLiteral("chart"), QStringLiteral("ChartDialog"));
        QChartView* chartView = view();
        chartView->chart()->legend()->hide();
        const QPointF centre = chartView->viewport()->rect().center();
        for (int notch = 0; notch < 3; ++notch) {
            QWheelEvent wheel(centre, chartView->viewport()->mapToGlobal(centre), {}, QPoint(0, 120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(chartView->viewport(), &wheel);
        }
        chartView->chart()->layout()->activate();
        QCoreApplication::processEvents();
        const auto* et = qobject_cast<QValueAxis*>(chartView->chart()->axes(Qt::Vertical).last());
        QVERIFY(et->max() - et->min() < 10); // zoomed
        const QStringList labels = TickLabels(*chartView->chart(), Qt::Vertical);
        QVERIFY2(RoundTicks(labels), qPrintable(labels.join(' ')));
        app_->click(QStringLiteral("CmdClose"), dialog);
    }

    // The date ticks of a span, from the calendar: months from January while at most
    // eight fit, else years at round steps; days from each month's first on a span with
    // fewer than three month starts, the last days of a month left out before the next first.
    void dateTicksStandOnCalendarBoundaries()
    {
        const auto midnight = [](int y, int m, int d) { return QDate(y, m, d).startOfDay().toMSecsSinceEpoch(); };
        const struct {
            qint64 min, max;
            QStringList labels;
        } rows[] = {
            {midnight(2001, 1, 1), midnight(2001, 12, 31), {"Jan 2001", "Mar 2001", "May 2001", "Jul 2001", "Sep 2001", "Nov 2001"}},
            {midnight(2001, 1, 15), midnight(2001, 4, 20), {"Feb 2001", "Mar 2001", "Apr 2001"}},
            {midnight(2001, 1, 1), midnight(2005, 1, 1), {"2001", "2002", "2003", "2004", "2005"}},
            {midnight(1981, 1, 1), midnight(2010, 12, 31), {"1985", "1990", "1995", "2000", "2005", "2010"}},
            {midnight(2020, 2, 10), midnight(2020, 2, 25),
             {"11/02/20", "13/02/20", "15/02/20", "17/02/20", "19/02/20", "21/02/20", "23/02/20", "25/02/20"}},
            {midnight(2001, 1, 20), midnight(2001, 3, 10), {"21/01/01", "01/02/01", "11/02/01", "01/03/01"}},
        };
        for (const auto& row : rows) {
            QStringList labels;
            for (const DateTick& tick : DateTicks(row.min, row.max, 8)) {
                labels << tick.label;
                const QDateTime at = QDateTime::fromMSecsSinceEpoch(tick.at);
                QCOMPARE(at.time(), QTime(0, 0));
                const QDate date = at.date();
                const QString expected = tick.label.size() == 4          ? QString::number(date.year())
                                         : tick.label.contains(QLatin1Char('/')) ? date.toString(QStringLiteral("dd/MM/yy"))
                                                                               : date.toString(QStringLiteral("MMM yyyy"));
                QCOMPARE(tick.label, expected);
            }
            QCOMPARE(labels, row.labels);
        }
    }

    // Zoomed by a band to about four months of four years, by the wheel and back: the
    // labels the scene shows are those ticks, each centred on the midnight it names, and
    // the grid moves with them.
    void dateTicksFollowTheZoomOnMonthStarts()
    {
        const LaidOutChart shown(ResultSheet(4 * 365, {"PenMon"}));
        auto* dates = qobject_cast<QCategoryAxis*>(shown.chart->axes(Qt::Horizontal).constFirst());
        QVERIFY(dates);
        const QAbstractSeries* line = shown.chart->series().constLast();
        const auto check = [&](const QStringList& expected) {
            shown.chart->layout()->activate();
            const QStringList labels = TickLabels(*shown.chart, Qt::Horizontal);
            QCOMPARE(labels, dates->categoriesLabels());
            if (!expected.isEmpty()) QCOMPARE(labels, expected);
            QVERIFY2(labels.size() >= 3 && labels.size() <= 8, qPrintable(labels.join(' ')));
            const std::vector<DateTick> ticks = DateTicks(qint64(std::ceil(dates->min())), qint64(dates->max()), 8);
            QCOMPARE(qsizetype(ticks.size()), labels.size());
            for (const DateTick& tick : ticks) {
                QCOMPARE(dates->endValue(tick.label), double(tick.at));
                const double x = shown.chart->mapToPosition(QPointF(double(tick.at), 0), const_cast<QAbstractSeries*>(line)).x();
                QVERIFY2(std::abs(LabelCentre(*shown.chart, tick.label) - x) < 1.5, qPrintable(tick.label));
            }
        };
        check({"Jan 2001", "Jul 2001", "Jan 2002", "Jul 2002", "Jan 2003", "Jul 2003", "Jan 2004", "Jul 2004"});
        const QRectF plot = shown.chart->plotArea();
        shown.chart->zoomIn(QRectF(plot.left() + plot.width() * 0.4, plot.top(), plot.width() * 0.085, plot.height()));
        check({});
        for (const QString& label : dates->categoriesLabels())
            QVERIFY2(QDate::fromString(label, QStringLiteral("MMM yyyy")).isValid(), qPrintable(label));
        shown.chart->zoom(4);
        check({});
        shown.chart->scroll(plot.width() / 3, 0);
        check({});
        shown.chart->zoomReset();
        check({"Jan 2001", "Jul 2001", "Jan 2002", "Jul 2002", "Jan 2003", "Jul 2003", "Jan 2004", "Jul 2004"});
    }

    // Six entries stay under the plot; a seventh puts the legend beside it.
    void aLongLegendStandsBesideThePlot()
    {
        const QByteArray text = ResultSheet(30, {"PenMon", "Hargr.", "Turc", "P-T", "PFAOrad", "PenFAO"});
        const LaidOutChart withRain(text), without(text, {.columns = {}, .rain = false});
        QCOMPARE(withRain.chart->legend()->alignment(), Qt::AlignRight);
        QCOMPARE(without.chart->legend()->alignment(), Qt::AlignBottom);
    }

    // 20,000 days on a plot of some 700 pixel columns: each column's lowest and highest,
    // so the extremes stay; the days before and after a gap stay two pieces.
    void longSeriesAreDrawnAtScreenResolutionWithTheirGaps()
    {
        const LaidOutChart shown(ResultSheet(20000, {"PenMon"}, {9000, 9002}), {.columns = std::vector<int>{3}, .rain = false});
        const QList<QAbstractSeries*> series = shown.chart->series();
        QCOMPARE(series.size(), 2);
        const auto points = [&](int k) { return qobject_cast<QLineSeries*>(series.at(k))->points(); };
        const QList<QPointF> before = points(0), after = points(1);
        const int width = static_cast<int>(shown.chart->plotArea().width());
        QVERIFY2(before.size() + after.size() <= 2 * width + 4, qPrintable(QString::number(before.size() + after.size())));
        QCOMPARE(DateAt(before.constLast().x()), QDate(2001, 1, 1).addDays(8999));
        QCOMPARE(DateAt(after.constFirst().x()), QDate(2001, 1, 1).addDays(9003));
        const auto extremes = [](const QList<double>& values) { return std::minmax_element(values.begin(), values.end()); };
        QList<double> drawn, values;
        for (const QPointF& point : before + after) drawn << point.y();
        for (int row = 2; row <= 20001; ++row)
            if (!shown.workbench.sheet.cellText(row, 3).empty()) values << QString::fromStdString(std::string(shown.workbench.sheet.cellText(row, 3))).toDouble();
        QCOMPARE(*extremes(drawn).first, *extremes(values).first);
        QCOMPARE(*extremes(drawn).second, *extremes(values).second);
    }

    void ticksInTheListChangeTheLines()
    {
        QWidget* dialog = app_->openDialog(QStringLiteral("chart"), QStringLiteral("ChartDialog"));
        auto* list = Child<QListWidget>(dialog, QStringLiteral("ListColumns"));
        QCOMPARE(list->count(), 3);
        list->item(0)->setCheckState(Qt::Unchecked);
        list->item(2)->setCheckState(Qt::Checked);
        ClickIndicator(Child<QCheckBox>(dialog, QStringLiteral("CheckRain")));
        QCOMPARE(Names(*view()->chart()), (QStringList{"Hargr.", "PotRad"}));
    }

    void exportWritesTheChartAsShown()
    {
        QWidget* dialog = app_->openDialog(QStringLiteral("chart"), QStringLiteral("ChartDialog"));
        app_->ui.saveFiles.push_back(file("shown.png").toStdString());
        app_->click(QStringLiteral("CmdExportPng"), dialog);
        QVERIFY(app_->ui.messages.empty());
        QCOMPARE(app_->ui.saveInitialNames.back(), std::string("days-chart.png")); // named after the data file
        QCOMPARE(QImage(file("shown.png")).size(), view()->chart()->size().toSize());

        app_->ui.saveFiles.push_back(file("shown.svg").toStdString());
        app_->click(QStringLiteral("CmdExportSvg"), dialog);
        // The file's title names the data file and the station; the window shows none.
        const QString title = QString::fromUtf8(ReadBytes(file("shown.svg")));
        QVERIFY(title.contains(QStringLiteral("<title>days.txt - station at latitude 45°, altitude 100 m</title>")));
        QVERIFY(title.contains(QStringLiteral(">days.txt - station at latitude 45°, altitude 100 m<")));
        QVERIFY(view()->chart()->title().isEmpty());

        app_->ui.saveFiles.push_back(file("nowhere/shown.png").toStdString());
        app_->click(QStringLiteral("CmdExportPng"), dialog);
        QVERIFY2(app_->lastMessage().startsWith(QStringLiteral("ETP computation|The chart was not exported: the file ")),
                 qPrintable(app_->lastMessage()));
    }

    // The dialog stays open while the sheet changes (rain typed into the grid, say).
    void copySaveAndTheNextOpeningTakeTheSheetAsItIsNow()
    {
        const auto summary = [this] { return QString::fromStdString(SummaryText(Summarize(app_->workbench))); };
        QWidget* dialog = app_->openDialog(QStringLiteral("summary"), QStringLiteral("SummaryDialog"));
        const auto shown = [dialog] { return TableText(Child<QTableWidget>(dialog, QStringLiteral("TableSummary"))); };
        const QString before = shown();
        QCOMPARE(before, summary());

        MeteoSheet& sheet = app_->workbench.sheet;
        const std::string rain(sheet.cellText(20, 9)); // RAIN of 19 January
        sheet.setCellText(20, 9, "123");
        QApplication::clipboard()->clear();
        app_->click(QStringLiteral("CmdCopy"), dialog);
        QVERIFY(summary() != before);
        QCOMPARE(QApplication::clipboard()->text(), summary());
        QCOMPARE(shown(), summary());

        sheet.setCellText(20, 9, rain);
        const QString path = app_->path("summary.txt");
        app_->ui.saveFiles.push_back(path.toStdString());
        app_->click(QStringLiteral("CmdSave"), dialog);
        QVERIFY(app_->ui.messages.empty());
        QCOMPARE(QString::fromUtf8(ReadBytes(path)), before);

        dialog->hide();
        sheet.setCellText(20, 9, "123");
        QVERIFY(app_->openDialog(QStringLiteral("summary"), QStringLiteral("SummaryDialog")) == dialog);
        QCOMPARE(shown(), summary());
    }

    // A summary with a gap ends in a legend after an empty line: the dialog shows it under
    // the count of months, not as a row of the table.
    void summaryLegendShowsUnderTheCountOfMonths()
    {
        MeteoSheet& sheet = app_->workbench.sheet;
        const std::string rain(sheet.cellText(20, 9));
        sheet.setCellText(20, 9, "n.d.");
        QWidget* dialog = app_->openDialog(QStringLiteral("summary"), QStringLiteral("SummaryDialog"));
        const QString text = QString::fromStdString(SummaryText(Summarize(app_->workbench)));
        sheet.setCellText(20, 9, rain);
        const QString label = Child<QLabel>(dialog, QStringLiteral("LabelSummary"))->text();
        QVERIFY2(label.section(QLatin1Char('\n'), 1).startsWith(QStringLiteral("* incomplete: ")), qPrintable(label));
        QCOMPARE(TableText(Child<QTableWidget>(dialog, QStringLiteral("TableSummary"))) + '\n' +
                     label.section(QLatin1Char('\n'), 1) + '\n',
                 text);
    }

    // A changed method option is no row of the table either: it shows with the legend.
    void summaryOptionsShowUnderTheCountOfMonths()
    {
        app_->workbench.methodOptions.priestleyTaylorAlpha = 1.5;
        QWidget* dialog = app_->openDialog(QStringLiteral("summary"), QStringLiteral("SummaryDialog"));
        auto* table = Child<QTableWidget>(dialog, QStringLiteral("TableSummary"));
        QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("period"));
        QCOMPARE(Child<QLabel>(dialog, QStringLiteral("LabelSummary"))->text().section(QLatin1Char('\n'), 1),
                 QStringLiteral("P-T alpha: 1.5"));
    }

    void checkShowsTheReportOfTheSheetAtEachOpening()
    {
        const auto shown = [](const QWidget* dialog) {
            return TableText(Child<QTableWidget>(dialog, QStringLiteral("TableFindings"))) +
                   Child<QLabel>(dialog, QStringLiteral("LabelCheck"))->text().section(QLatin1Char('.'), 0, 0) + '\n';
        };
        app_->setCell(5, 3, QString()); // T max empty
        QWidget* dialog = openCheck();
        QVERIFY(dialog && dialog->isVisible());
        QVERIFY(shown(dialog).contains(QStringLiteral("T° max\tempty cell")));
        QCOMPARE(shown(dialog), QString::fromStdString(CheckReportText(CheckData(app_->workbench))));

        dialog->hide();
        app_->setCell(5, 3, QStringLiteral("21.5"));
        QVERIFY(openCheck() == dialog);
        QCOMPARE(shown(dialog), QString::fromStdString(CheckReportText(CheckData(app_->workbench))));
    }

    void checkLineClickedSelectsItsCellsInTheGrid_data()
    {
        QTest::addColumn<QString>("line"); // the start of the variable and problem
        QTest::addColumn<QList<QPoint>>("selected"); // (sheet column, sheet row), by rows
        QTest::newRow("value: its cells") << QStringLiteral("T° min\tabove T° max") << QList<QPoint>{{2, 7}, {2, 20}};
        QTest::newRow("note about a column: its title") << QStringLiteral("Rad.\tRAD read as") << QList<QPoint>{{6, 1}};
        // Every polar night row of the report, not only the five it shows: filled in below.
        QTest::newRow("station: whole rows") << QStringLiteral("Station\tpolar day or night") << QList<QPoint>{};
    }

    void checkLineClickedSelectsItsCellsInTheGrid()
    {
        QFETCH(QString, line);
        QFETCH(QList<QPoint>, selected);
        app_->setCell(7, 2, QStringLiteral("150")); // T min above T max
        app_->setCell(20, 2, QStringLiteral("150"));
        if (line.startsWith(QStringLiteral("Station"))) app_->setStation(QStringLiteral("89"), QStringLiteral("100"));
        auto* table = Child<QTableWidget>(openCheck(), QStringLiteral("TableFindings"));
        int found = 0;
        while (found < table->rowCount() && !(table->item(found, 0)->text() + '\t' + table->item(found, 1)->text()).startsWith(line))
            ++found;
        QVERIFY(found < table->rowCount());
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, table->visualItemRect(table->item(found, 1)).center());

        if (selected.isEmpty()) {
            const DataCheckReport report = CheckData(app_->workbench);
            const auto polar = std::find_if(report.findings.begin(), report.findings.end(),
                                            [](const CheckFinding& f) { return f.variable == "Station" && f.isProblem; });
            QVERIFY(polar != report.findings.end() && polar->count > 5);
            for (const int row : polar->rows)
                for (int column = 1; column <= 30; ++column) selected << QPoint(column, row);
        }
        QList<QPoint> cells;
        for (const QModelIndex& index : app_->grid()->selectionModel()->selectedIndexes())
            cells << QPoint(index.column() + 1, index.row() + 1);
        std::sort(cells.begin(), cells.end(), [](QPoint a, QPoint b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); });
        QCOMPARE(cells, selected);
        QCOMPARE(app_->grid()->currentIndex(), app_->grid()->model()->index(selected[0].y() - 1, selected[0].x() - 1));
    }

private:
    QChartView* view() const { return Child<QChartView>(app_->dialog(QStringLiteral("ChartDialog")), QStringLiteral("ChartView1")); }
    QString file(const char* name) const { return app_->path(name); }

    QWidget* openCheck() { return app_->openDialog(QStringLiteral("checkdata"), QStringLiteral("DataCheckDialog")); }
    std::unique_ptr<AppSession> app_;
};

QTEST_MAIN(TestToolsDialogs)
#include "ToolsDialogsTest.moc"
