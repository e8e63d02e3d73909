#include "app/ChartRenderer.h"

#include <QAreaSeries>
#include <QBuffer>
#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QSvgGenerator>
#include <QValueAxis>
#include <algorithm>
#include <cctype>
#include <cmath>

#include "app/Utf8Text.h"
#include "base/AtomicFile.h"
#include "et/MethodTable.h"
#include "sheet/DateParts.h"
#include "sheet/NumericValue.h"
#include "sheet/SheetQueries.h"
#include "workbench/Workbench.h"

namespace etp {

namespace {

constexpr qint64 kDay = 24 * 3600 * 1000; // [ms]

bool HoldsNumber(const MeteoSheet& sheet, int column, int last)
{
    for (int r = 2; r <= last; ++r)
        if (IsNumberText(sheet.cellText(r, column))) return true;
    return false;
}

// One dated row: local midnight of its day [ms since the epoch].
struct DatedRow {
    int row;
    qint64 midnight;
};

std::vector<DatedRow> DatedRows(const Workbench& workbench)
{
    std::vector<DatedRow> rows;
    const int dateColumn = workbench.columns.column(ColumnBox::Date);
    if (dateColumn == 0) return rows;
    const int last = LastDataRow(workbench.sheet, workbench.columns);
    for (int r = 2; r <= last; ++r)
        if (const auto date = DateParts(workbench.sheet.cellText(r, dateColumn)))
            rows.push_back({r, QDateTime(QDate(date->Year, date->Month, date->Day), QTime(0, 0)).toMSecsSinceEpoch()});
    return rows;
}

// A line through the numbers of a column, one point at noon of each dated row.
QLineSeries* Line(const MeteoSheet& sheet, int column, const std::vector<DatedRow>& rows, double& low, double& high)
{
    auto* series = new QLineSeries;
    series->setName(FromBytes(sheet.cellText(1, column)));
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(rows.size()));
    for (const DatedRow& day : rows) {
        const std::string_view text = sheet.cellText(day.row, column);
        if (!IsNumberText(text)) continue; // an empty cell is no value, not 0
        const double value = NumericValue(text);
        low = std::min(low, value);
        high = std::max(high, value);
        points.append(QPointF(static_cast<double>(day.midnight + kDay / 2), value));
    }
    series->replace(points);
    return series;
}

// Rain as bars: a filled step line, 0 between the rainy days, each bar 80 % of its day.
QAreaSeries* RainBars(const MeteoSheet& sheet, int column, const std::vector<DatedRow>& rows, double& high)
{
    auto* upper = new QLineSeries;
    QList<QPointF> points;
    for (const DatedRow& day : rows) {
        const double rain = NumericValue(sheet.cellText(day.row, column)); // [mm]
        if (!(rain > 0)) continue;
        high = std::max(high, rain);
        const double x0 = static_cast<double>(day.midnight + kDay / 10), x1 = static_cast<double>(day.midnight + kDay * 9 / 10);
        points << QPointF(x0, 0) << QPointF(x0, rain) << QPointF(x1, rain) << QPointF(x1, 0);
    }
    upper->replace(points);
    // The bars stand on 0 mm: without a lower line the area would reach down to the
    // plot's edge, which is not 0 on a reversed axis.
    auto* lower = new QLineSeries;
    if (!points.isEmpty()) lower->append({QPointF(points.constFirst().x(), 0), QPointF(points.constLast().x(), 0)});
    auto* bars = new QAreaSeries(upper, lower);
    // The area series does not own its lines; as its children they go with it.
    upper->setParent(bars);
    lower->setParent(bars);
    bars->setName(FromBytes(sheet.cellText(1, column)) + QStringLiteral(" (mm)"));
    bars->setColor(QColor(70, 110, 160, 150));
    bars->setBorderColor(QColor(40, 70, 120));
    return bars;
}

QString DateFormat(qint64 span)
{
    if (span > 3 * 365 * kDay) return QStringLiteral("yyyy");
    if (span > 90 * kDay) return QStringLiteral("MMM yyyy");
    return QStringLiteral("dd/MM/yy");
}

// An axis from 0 (or below, for negative values) to above the highest value, with ticks
// at a round step.
QValueAxis* ValueAxis(const QString& title, double low, double high)
{
    low = std::floor(std::min(low, 0.0));
    high = std::max(high, low + 1);
    double step = 1;
    for (const double round : {1.0, 2.0, 5.0, 10.0, 20.0, 50.0, 100.0, 200.0, 500.0})
        if ((high - low) / round <= 10) {
            step = round;
            break;
        }
    low = std::floor(low / step) * step;
    high = std::ceil(high / step) * step;
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setRange(low, high);
    axis->setTickCount(static_cast<int>(std::lround((high - low) / step)) + 1);
    axis->setLabelFormat(QStringLiteral("%g"));
    return axis;
}

// An ET column: drawn by default, and on the "ET (mm/day)" axis.
bool IsEt(Method method) { return Info(method).unit == ResultUnit::MillimetresPerDay; }

bool EndsWith(const std::string& text, const std::string& ending)
{
    if (text.size() < ending.size()) return false;
    return std::equal(ending.rbegin(), ending.rend(), text.rbegin(),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

} // namespace

std::vector<ChartColumn> ChartColumns(const MeteoSheet& sheet)
{
    std::vector<ChartColumn> columns;
    const int last = sheet.lastNonEmptyRow();
    for (int c = 1; c <= sheet.lastNonEmptyColumn(1); ++c) {
        const std::string label(sheet.cellText(1, c));
        const auto method = MethodOfLabel(label);
        if (!method) continue;
        columns.push_back({c, label, IsEt(*method) && HoldsNumber(sheet, c, last)});
    }
    return columns;
}

std::unique_ptr<QChart> BuildChart(const Workbench& workbench, const ChartOptions& options, std::string& problem)
{
    const MeteoSheet& sheet = workbench.sheet;
    auto chart = std::make_unique<QChart>();
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(6, 6, 6, 6));

    std::vector<int> lines;
    if (options.columns)
        lines = *options.columns;
    else
        for (const ChartColumn& column : ChartColumns(sheet))
            if (column.drawnByDefault) lines.push_back(column.column);
    const int rainColumn = options.rain ? FindRainColumn(sheet) : 0;
    const std::vector<DatedRow> rows = DatedRows(workbench);

    problem.clear();
    if (rows.empty())
        problem = "no row holds a date in the date column";
    else if (lines.empty() && rainColumn == 0)
        problem = "nothing to draw: no ET column has been computed or chosen";
    if (!problem.empty()) {
        chart->setTitle(QString::fromStdString(problem));
        return chart;
    }

    auto* dates = new QDateTimeAxis;
    dates->setFormat(DateFormat(rows.back().midnight - rows.front().midnight));
    dates->setTickCount(8);
    dates->setRange(QDateTime::fromMSecsSinceEpoch(rows.front().midnight),
                    QDateTime::fromMSecsSinceEpoch(rows.back().midnight + kDay));
    chart->addAxis(dates, Qt::AlignBottom);

    if (rainColumn != 0) { // first, so that the lines are drawn over the bars
        double high = 0;
        QAreaSeries* bars = RainBars(sheet, rainColumn, rows, high);
        chart->addSeries(bars);
        // Hanging from the top, down to half the height at most, clear of the ET lines.
        QValueAxis* axis = ValueAxis(QStringLiteral("rain and irrigation (mm)"), 0, lines.empty() ? high : 2 * high);
        axis->setReverse(true);
        axis->setGridLineVisible(false); // the ET axis draws the grid
        chart->addAxis(axis, Qt::AlignRight);
        bars->attachAxis(dates);
        bars->attachAxis(axis);
    }
    if (!lines.empty()) {
        double low = 0, high = 0;
        bool allEt = true;
        std::vector<QLineSeries*> series;
        for (const int column : lines) {
            series.push_back(Line(sheet, column, rows, low, high));
            const auto method = MethodOfLabel(sheet.cellText(1, column));
            allEt = allEt && method && IsEt(*method);
        }
        QValueAxis* axis = ValueAxis(allEt ? QStringLiteral("ET (mm/day)") : QString(), low, high);
        chart->addAxis(axis, Qt::AlignLeft);
        for (QLineSeries* line : series) {
            chart->addSeries(line); // takes the theme's colour
            QPen pen = line->pen();
            pen.setWidthF(1.5);
            line->setPen(pen);
            line->attachAxis(dates);
            line->attachAxis(axis);
        }
    }
    return chart;
}

bool WriteChart(QChart& chart, const QSize& size, const std::string& path, std::string& error)
{
    const bool png = EndsWith(path, ".png"), svg = EndsWith(path, ".svg");
    if (!png && !svg) {
        error = "the chart file must end in .png or .svg: " + path;
        return false;
    }
    // A chart of no scene yet (the batch tool's) gets one for the drawing.
    QGraphicsScene scene;
    const bool ownScene = chart.scene() == nullptr;
    if (ownScene) {
        scene.addItem(&chart);
        chart.resize(size);
        chart.layout()->activate();
    }
    const QRectF source = chart.sceneBoundingRect();
    const QRectF target(QPointF(0, 0), QSizeF(size));

    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    if (png) {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        chart.scene()->render(&painter, target, source);
        painter.end();
        image.save(&bytes, "PNG");
    } else {
        QSvgGenerator generator;
        generator.setOutputDevice(&bytes);
        generator.setSize(size);
        generator.setViewBox(target);
        generator.setTitle(chart.title());
        QPainter painter(&generator);
        chart.scene()->render(&painter, target, source);
    }
    if (ownScene) scene.removeItem(&chart);

    if (const auto failure = WriteFileAtomically(path, std::string_view(bytes.data().constData(),
                                                                        static_cast<std::size_t>(bytes.data().size())))) {
        error = "the file " + path + " could not be written: " + *failure;
        return false;
    }
    return true;
}

bool RenderChart(const Workbench& workbench, const std::string& path, const ChartOptions& options, std::string& error)
{
    const std::unique_ptr<QChart> chart = BuildChart(workbench, options, error);
    if (!error.empty()) return false;
    return WriteChart(*chart, QSize(options.width, options.height), path, error);
}

} // namespace etp
