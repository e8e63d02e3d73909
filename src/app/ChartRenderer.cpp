#include "app/ChartRenderer.h"

#include <QAreaSeries>
#include <QBuffer>
#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QSvgGenerator>
#include <QValueAxis>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <utility>

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

bool HoldsValue(const MeteoSheet& sheet, int column, int last)
{
    for (int r = 2; r <= last; ++r)
        if (MeasuredValue(sheet.cellText(r, column))) return true;
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

// The line of a column in pieces, one point at noon of each dated row holding a value:
// a missing day (IsMissingValue) ends a piece, so the line breaks there instead of
// dropping to 0 or bridging the days nobody measured.
std::vector<QList<QPointF>> LinePieces(const MeteoSheet& sheet, int column, const std::vector<DatedRow>& rows,
                                       double& low, double& high)
{
    std::vector<QList<QPointF>> pieces(1);
    for (const DatedRow& day : rows) {
        const std::optional<double> value = MeasuredValue(sheet.cellText(day.row, column));
        if (!value) {
            if (!pieces.back().isEmpty()) pieces.emplace_back();
            continue;
        }
        low = std::min(low, *value);
        high = std::max(high, *value);
        pieces.back().append(QPointF(static_cast<double>(day.midnight + kDay / 2), *value));
    }
    if (pieces.size() > 1 && pieces.back().isEmpty()) pieces.pop_back();
    return pieces;
}

QLineSeries* LineSeries(const QString& name, const QList<QPointF>& points)
{
    auto* series = new QLineSeries;
    series->setName(name);
    series->replace(points);
    series->setPointsVisible(points.size() == 1); // a day between two gaps, else unseen
    return series;
}

// A filled step outline over the chart's days: each step from x0 to x1 at its height,
// 0 between the steps, drawn down to a line at 0.
QAreaSeries* Steps(const QList<QPointF>& outline, const QString& name)
{
    auto* upper = new QLineSeries;
    upper->replace(outline);
    // The steps stand on 0 mm: without a lower line the area would reach down to the
    // plot's edge, which is not 0 on a reversed axis.
    auto* lower = new QLineSeries;
    if (!outline.isEmpty()) lower->append({QPointF(outline.constFirst().x(), 0), QPointF(outline.constLast().x(), 0)});
    auto* steps = new QAreaSeries(upper, lower);
    // The area series does not own its lines; as its children they go with it.
    upper->setParent(steps);
    lower->setParent(steps);
    steps->setName(name);
    return steps;
}

void AddStep(QList<QPointF>& outline, qint64 x0, qint64 x1, double height)
{
    const auto a = static_cast<double>(x0), b = static_cast<double>(x1);
    outline << QPointF(a, 0) << QPointF(a, height) << QPointF(b, height) << QPointF(b, 0);
}

// Rain as bars, each 80 % of its day; an empty cell is a dry day (RainValue). The days
// without a value are collected in runs of consecutive dated rows, as [first, last].
QAreaSeries* RainBars(const MeteoSheet& sheet, int column, const std::vector<DatedRow>& rows, double& high,
                      std::vector<std::pair<qint64, qint64>>& missing)
{
    QList<QPointF> outline;
    bool lastMissing = false;
    for (const DatedRow& day : rows) {
        const std::optional<double> rain = RainValue(sheet.cellText(day.row, column)); // [mm]
        if (!rain) {
            if (lastMissing)
                missing.back().second = day.midnight;
            else
                missing.emplace_back(day.midnight, day.midnight);
        }
        lastMissing = !rain;
        if (!rain || !(*rain > 0)) continue;
        high = std::max(high, *rain);
        AddStep(outline, day.midnight + kDay / 10, day.midnight + kDay * 9 / 10, *rain);
    }
    QAreaSeries* bars = Steps(outline, FromBytes(sheet.cellText(1, column)) + QStringLiteral(" (mm)"));
    bars->setColor(QColor(70, 110, 160, 150));
    bars->setBorderColor(QColor(40, 70, 120));
    return bars;
}

// The days without a rain value, shaded over the whole height of the rain axis: no bar
// there means no measurement, not a dry day.
QAreaSeries* MissingRain(const MeteoSheet& sheet, int column, const std::vector<std::pair<qint64, qint64>>& missing,
                         double height)
{
    QList<QPointF> outline;
    for (const auto& [first, last] : missing) AddStep(outline, first, last + kDay, height);
    QAreaSeries* band = Steps(outline, FromBytes(sheet.cellText(1, column)) + QStringLiteral(" missing"));
    band->setColor(QColor(150, 150, 150, 60));
    band->setBorderColor(QColor(150, 150, 150, 60));
    return band;
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
        columns.push_back({c, label, IsEt(*method) && HoldsValue(sheet, c, last)});
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
        std::vector<std::pair<qint64, qint64>> missing;
        QAreaSeries* bars = RainBars(sheet, rainColumn, rows, high, missing);
        chart->addSeries(bars);
        // Hanging from the top, down to half the height at most, clear of the ET lines.
        QValueAxis* axis = ValueAxis(QStringLiteral("rain and irrigation (mm)"), 0, lines.empty() ? high : 2 * high);
        axis->setReverse(true);
        axis->setGridLineVisible(false); // the ET axis draws the grid
        chart->addAxis(axis, Qt::AlignRight);
        bars->attachAxis(dates);
        bars->attachAxis(axis);
        if (!missing.empty()) {
            QAreaSeries* band = MissingRain(sheet, rainColumn, missing, axis->max());
            chart->addSeries(band);
            band->attachAxis(dates);
            band->attachAxis(axis);
        }
    }
    if (!lines.empty()) {
        double low = 0, high = 0;
        bool allEt = true;
        std::vector<std::vector<QList<QPointF>>> pieces;
        for (const int column : lines) {
            pieces.push_back(LinePieces(sheet, column, rows, low, high));
            const auto method = MethodOfLabel(sheet.cellText(1, column));
            allEt = allEt && method && IsEt(*method);
        }
        QValueAxis* axis = ValueAxis(allEt ? QStringLiteral("ET (mm/day)") : QString(), low, high);
        chart->addAxis(axis, Qt::AlignLeft);
        const auto add = [&](QLineSeries* line) {
            chart->addSeries(line);
            line->attachAxis(dates);
            line->attachAxis(axis);
        };
        // The first piece of each column takes the theme's colour and the legend entry;
        // the pieces after a gap follow, in its pen and without an entry of their own.
        std::vector<QLineSeries*> first;
        for (std::size_t k = 0; k < lines.size(); ++k) {
            QLineSeries* line = LineSeries(FromBytes(sheet.cellText(1, lines[k])), pieces[k].front());
            add(line);
            QPen pen = line->pen();
            pen.setWidthF(1.5);
            line->setPen(pen);
            first.push_back(line);
        }
        for (std::size_t k = 0; k < lines.size(); ++k)
            for (std::size_t p = 1; p < pieces[k].size(); ++p) {
                QLineSeries* line = LineSeries(first[k]->name(), pieces[k][p]);
                add(line);
                line->setPen(first[k]->pen());
                for (QLegendMarker* marker : chart->legend()->markers(line)) marker->setVisible(false);
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
