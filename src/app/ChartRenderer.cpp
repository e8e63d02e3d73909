#include "app/ChartRenderer.h"

#include <QAreaSeries>
#include <QBuffer>
#include <QChart>
#include <QDateTime>
#include <QCategoryAxis>
#include <QFileInfo>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QSvgGenerator>
#include <QTimeZone>
#include <QValueAxis>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <utility>

#include "app/chart/ChartScales.h"
#include "app/chart/ScreenSeries.h"
#include "app/Utf8Text.h"
#include "base/AtomicFile.h"
#include "et/MethodTable.h"
#include "sheet/DateParts.h"
#include "sheet/DecimalText.h"
#include "sheet/NumericValue.h"
#include "sheet/RowDates.h"
#include "sheet/SheetQueries.h"
#include "workbench/Workbench.h"

namespace etp {

namespace {

constexpr qint64 kDay = 24 * 3600 * 1000; // [ms]
constexpr int kLegendBelowAtMost = 6;     // entries

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
    const RowDates dates(workbench.sheet, workbench.columns);
    if (dates.form() == DateForm::None) return rows;
    const int last = LastDataRow(workbench.sheet, workbench.columns);
    // Local time through the zone's own table: QDateTime's local time asks the C library,
    // which looks at the zone file again for each of 32,000 days.
    const QTimeZone zone = QTimeZone::systemTimeZone();
    for (int r = 2; r <= last; ++r)
        if (const auto date = DateParts(dates.text(r)))
            rows.push_back({r, QDate(date->Year, date->Month, date->Day).startOfDay(zone).toMSecsSinceEpoch()});
    return rows;
}

// The line of a column in pieces, one point at noon of each dated row holding a value:
// a missing day (IsMissingValue) ends a piece, so the line breaks there instead of
// dropping to 0 or bridging the days nobody measured.
std::vector<std::vector<QPointF>> LinePieces(const MeteoSheet& sheet, int column, const std::vector<DatedRow>& rows,
                                             double& low, double& high)
{
    std::vector<std::vector<QPointF>> pieces(1);
    for (const DatedRow& day : rows) {
        const std::optional<double> value = MeasuredValue(sheet.cellText(day.row, column));
        if (!value) {
            if (!pieces.back().empty()) pieces.emplace_back();
            continue;
        }
        low = std::min(low, *value);
        high = std::max(high, *value);
        pieces.back().emplace_back(static_cast<double>(day.midnight + kDay / 2), *value);
    }
    if (pieces.size() > 1 && pieces.back().empty()) pieces.pop_back();
    return pieces;
}

QLineSeries* LineSeries(const QString& name, const QColor& colour, bool dot)
{
    auto* series = new QLineSeries;
    series->setName(name);
    // One pixel wide: the painter draws such lines at once, while a wider pen is outlined
    // and filled, which took a third of the first paint of a 32,000-day chart.
    series->setPen(QPen(colour, 1));
    series->setPointsVisible(dot); // a day between two gaps, else unseen
    return series;
}

// A filled step outline over the chart's days, standing on a line at 0: the outlines
// come from ScreenSeries.
QAreaSeries* Steps(const QString& name)
{
    // The steps stand on 0 mm: without a lower line the area would reach down to the
    // plot's edge, which is not 0 on a reversed axis.
    auto* upper = new QLineSeries;
    auto* lower = new QLineSeries;
    auto* steps = new QAreaSeries(upper, lower);
    // The area series does not own its lines; as its children they go with it.
    upper->setParent(steps);
    lower->setParent(steps);
    steps->setName(name);
    return steps;
}

// Rain as bars; an empty cell is a dry day (RainValue). The days without a value are
// collected in runs of consecutive dated rows, from the first one's midnight to the end
// of the last one.
std::vector<RainDay> RainDays(const MeteoSheet& sheet, int column, const std::vector<DatedRow>& rows, double& high,
                              std::vector<std::pair<double, double>>& missing)
{
    std::vector<RainDay> days;
    bool lastMissing = false;
    for (const DatedRow& day : rows) {
        const std::optional<double> rain = RainValue(sheet.cellText(day.row, column)); // [mm]
        const auto midnight = static_cast<double>(day.midnight);
        if (!rain) {
            if (lastMissing)
                missing.back().second = midnight + kDay;
            else
                missing.emplace_back(midnight, midnight + kDay);
        }
        lastMissing = !rain;
        if (!rain || !(*rain > 0)) continue;
        high = std::max(high, *rain);
        days.push_back({midnight, *rain});
    }
    return days;
}

// An ET column: drawn by default, and on the "ET (mm/day)" axis.
bool IsEt(Method method) { return Info(method).unit == ResultUnit::MillimetresPerDay; }

ResultUnit UnitOfColumn(const MeteoSheet& sheet, int column)
{
    const auto method = MethodOfLabel(sheet.cellText(1, column));
    return method ? Info(*method).unit : ResultUnit::MillimetresPerDay;
}

QString AxisTitle(ResultUnit unit)
{
    switch (unit) {
    case ResultUnit::MillimetresPerDay: return QStringLiteral("ET (mm/day)");
    case ResultUnit::MegajoulesPerSquareMetreDay: return QStringLiteral("radiation (MJ m-2 d-1)");
    }
    return {};
}

bool EndsWith(const std::string& text, const std::string& ending)
{
    if (text.size() < ending.size()) return false;
    return std::equal(ending.rbegin(), ending.rend(), text.rbegin(),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

// What the rain bars and the ET lines are drawn into: the chart, its date axis, the
// series that follow the screen, and the sheet's dated rows.
struct ChartFrame {
    QChart& chart;
    QCategoryAxis& dates;
    ScreenSeries& screen;
    const MeteoSheet& sheet;
    const std::vector<DatedRow>& rows;
};

// The rain column's bars on a reversed axis at the right, and a band over the days
// without a value; with the ET lines too, the bars reach half the height at most. The
// number of legend entries added.
int AddRain(const ChartFrame& frame, int rainColumn, bool linesToo)
{
    double high = 0;
    std::vector<std::pair<double, double>> missing;
    std::vector<RainDay> days = RainDays(frame.sheet, rainColumn, frame.rows, high, missing);
    const QString title = FromBytes(frame.sheet.cellText(1, rainColumn));
    QAreaSeries* bars = Steps(title + QStringLiteral(" (mm)"));
    bars->setColor(QColor(70, 110, 160, 150));
    // One pixel, like the lines: the theme's two-pixel border is outlined and filled.
    bars->setPen(QPen(QColor(40, 70, 120), 1));
    frame.chart.addSeries(bars);
    frame.screen.setRain(*bars, std::move(days));
    // Hanging from the top, down to half the height at most, clear of the ET lines.
    QValueAxis* axis = RoundValueAxis(QStringLiteral("rain and irrigation (mm)"), 0, linesToo ? 2 * high : high);
    axis->setReverse(true);
    axis->setGridLineVisible(false); // the ET axis draws the grid
    frame.chart.addAxis(axis, Qt::AlignRight);
    bars->attachAxis(&frame.dates);
    bars->attachAxis(axis);
    if (missing.empty()) return 1;
    // The days without a rain value, shaded over the whole height of the rain
    // axis: no bar there means no measurement, not a dry day.
    QAreaSeries* band = Steps(title + QStringLiteral(" missing"));
    band->setColor(QColor(150, 150, 150, 60));
    band->setPen(QPen(QColor(150, 150, 150, 60), 1));
    frame.chart.addSeries(band);
    frame.screen.setMissingRain(*band, std::move(missing), axis->max());
    band->attachAxis(&frame.dates);
    band->attachAxis(axis);
    return 2;
}

// One line per column, its pieces between the gaps; one value axis per unit.
void AddLines(const ChartFrame& frame, const std::vector<ChartColumn>& columns, const std::vector<int>& lines)
{
    // One axis per unit, in the order of the units' first lines: the first on the left.
    std::vector<ResultUnit> units;
    std::vector<double> lows, highs;
    std::vector<std::size_t> axisOf; // of each line
    std::vector<std::vector<std::vector<QPointF>>> pieces;
    for (const int column : lines) {
        const ResultUnit unit = UnitOfColumn(frame.sheet, column);
        const auto u = static_cast<std::size_t>(std::find(units.begin(), units.end(), unit) - units.begin());
        if (u == units.size()) {
            units.push_back(unit);
            lows.push_back(0);
            highs.push_back(0);
        }
        axisOf.push_back(u);
        pieces.push_back(LinePieces(frame.sheet, column, frame.rows, lows[u], highs[u]));
    }
    std::vector<QValueAxis*> axes;
    for (std::size_t u = 0; u < units.size(); ++u) {
        axes.push_back(RoundValueAxis(AxisTitle(units[u]), lows[u], highs[u]));
        axes.back()->setGridLineVisible(u == 0); // the first axis draws the grid
        frame.chart.addAxis(axes.back(), u == 0 ? Qt::AlignLeft : Qt::AlignRight);
    }
    const auto nameOf = [&](int column) {
        const auto named = std::find_if(columns.begin(), columns.end(), [&](const ChartColumn& c) { return c.column == column; });
        return named == columns.end() ? FromBytes(frame.sheet.cellText(1, column)) : QString::fromStdString(named->name);
    };
    // The first piece of each column takes the legend entry; the pieces after a gap
    // follow, in its colour and without an entry of their own.
    const auto addPiece = [&](std::size_t k, std::size_t p) {
        std::vector<QPointF>& piece = pieces[k][p];
        QLineSeries* line = LineSeries(nameOf(lines[k]), LineColour(static_cast<int>(k)), piece.size() == 1);
        frame.chart.addSeries(line);
        line->attachAxis(&frame.dates);
        line->attachAxis(axes[axisOf[k]]);
        frame.screen.addLine(*line, std::move(piece));
        return line;
    };
    for (std::size_t k = 0; k < lines.size(); ++k) addPiece(k, 0);
    for (std::size_t k = 0; k < lines.size(); ++k)
        for (std::size_t p = 1; p < pieces[k].size(); ++p)
            for (QLegendMarker* marker : frame.chart.legend()->markers(addPiece(k, p))) marker->setVisible(false);
}

} // namespace

std::vector<ChartColumn> ChartColumns(const MeteoSheet& sheet)
{
    std::vector<ChartColumn> columns;
    const int last = sheet.lastNonEmptyRow();
    for (int c = 1; c <= sheet.lastNonEmptyColumn(1); ++c) {
        const std::string label(sheet.cellText(1, c));
        const auto method = MethodOfLabel(label);
        if (method) columns.push_back({c, label, label, IsEt(*method)});
    }
    std::vector<TitledColumn> titled;
    for (const ChartColumn& column : columns) titled.push_back({column.label, column.column});
    const std::vector<std::string> names = ColumnNames(titled);
    for (auto column = columns.begin(); column != columns.end(); ++column) {
        const auto sameLabel = [&](const ChartColumn& other) { return other.label == column->label; };
        const bool newest = std::none_of(column + 1, columns.end(), sameLabel);
        column->name = names[static_cast<std::size_t>(column - columns.begin())];
        column->drawnByDefault = column->drawnByDefault && newest && HoldsValue(sheet, column->column, last);
    }
    return columns;
}

std::unique_ptr<QChart> BuildChart(const Workbench& workbench, const ChartOptions& options, std::string& problem)
{
    const MeteoSheet& sheet = workbench.sheet;
    auto chart = std::make_unique<QChart>();
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(6, 6, 6, 6));

    const std::vector<ChartColumn> columns = ChartColumns(sheet);
    std::vector<int> lines;
    if (options.columns)
        lines = *options.columns;
    else
        for (const ChartColumn& column : columns)
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

    QCategoryAxis* dates = DateAxis(rows.front().midnight, rows.back().midnight + kDay);
    chart->addAxis(dates, Qt::AlignBottom);
    auto* screen = new ScreenSeries(*chart, *dates, options.width); // the chart's child
    const ChartFrame frame{*chart, *dates, *screen, sheet, rows};
    auto legendEntries = static_cast<int>(lines.size()); // one a column, the pieces after a gap have none
    // The rain first, so that the lines are drawn over the bars.
    if (rainColumn != 0) legendEntries += AddRain(frame, rainColumn, !lines.empty());
    if (!lines.empty()) AddLines(frame, columns, lines);
    screen->update();
    // Past six entries a legend below the plot wraps into rows and cuts its labels short;
    // beside the plot each entry has a line of its own.
    if (legendEntries > kLegendBelowAtMost) chart->legend()->setAlignment(Qt::AlignRight);
    return chart;
}

QString ChartTitle(const Workbench& workbench)
{
    const std::string& path = workbench.workingFile.path;
    const QString file = path.empty() ? QStringLiteral("New sheet") : QFileInfo(QString::fromStdString(path)).fileName();
    const StationParameters& station = workbench.station;
    return file + QStringLiteral(" - station at latitude %1°, altitude %2 m")
                      .arg(QString::fromStdString(DecimalText(NumericValue(station.latitude))),
                           QString::fromStdString(DecimalText(NumericValue(station.altitude))));
}

bool WriteChart(QChart& chart, const QSize& size, const QString& title, const std::string& path, std::string& error)
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
    // The title for the file only: the window shows the chart without one.
    const QString shownTitle = chart.title();
    chart.setTitle(title);
    chart.layout()->activate();
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
    chart.setTitle(shownTitle);
    chart.layout()->activate();
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
    return WriteChart(*chart, QSize(options.width, options.height), ChartTitle(workbench), path, error);
}

} // namespace etp
