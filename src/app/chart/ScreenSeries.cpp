#include "app/chart/ScreenSeries.h"

#include <QAreaSeries>
#include <QChart>
#include <QDateTime>
#include <QValueAxis>
#include <QLineSeries>
#include <algorithm>
#include <cmath>
#include <utility>

namespace etp {

namespace {

constexpr double kDay = 24 * 3600 * 1000.0; // [ms]

// Maps x to its pixel column of [x0, x1) cut into `columns`.
struct PixelColumns {
    double x0, perColumn;
    long of(double x) const { return static_cast<long>(std::floor((x - x0) / perColumn)); }
};

PixelColumns Columns(double x0, double x1, int columns)
{
    return {x0, std::max(x1 - x0, 1.0) / std::max(columns, 1)};
}

// A step from a to b at its height, standing on 0.
void AddStep(QList<QPointF>& outline, double a, double b, double height)
{
    outline << QPointF(a, 0) << QPointF(a, height) << QPointF(b, height) << QPointF(b, 0);
}

// The line on 0 the steps of an area stand on.
void SetBase(QAreaSeries& area, const QList<QPointF>& outline)
{
    QList<QPointF> base;
    if (!outline.isEmpty()) base << QPointF(outline.constFirst().x(), 0) << QPointF(outline.constLast().x(), 0);
    area.lowerSeries()->replace(base);
}

} // namespace

QList<QPointF> ScreenPoints(const std::vector<QPointF>& piece, double x0, double x1, int columns)
{
    const auto byX = [](const QPointF& p, double x) { return p.x() < x; };
    auto first = std::lower_bound(piece.begin(), piece.end(), x0, byX);
    auto end = std::lower_bound(first, piece.end(), x1, byX);
    if (first != piece.begin()) --first; // the day before the view
    if (end != piece.end()) ++end;       // and the day after
    QList<QPointF> points;
    const PixelColumns pixels = Columns(x0, x1, columns);
    for (auto day = first; day != end;) {
        // The days of one pixel column: its lowest and highest, in the order of their days.
        const long column = pixels.of(day->x());
        auto low = day, high = day;
        for (++day; day != end && pixels.of(day->x()) == column; ++day) {
            if (day->y() < low->y()) low = day;
            if (day->y() > high->y()) high = day;
        }
        points << *std::min(low, high);
        if (low != high) points << *std::max(low, high);
    }
    // The first and last day drawn keep their places: the line ends where a gap begins.
    if (first != end) {
        if (points.constFirst() != *first) points.prepend(*first);
        if (points.constLast() != *(end - 1)) points.append(*(end - 1));
    }
    return points;
}

QList<QPointF> RainOutline(const std::vector<RainDay>& days, double x0, double x1, int columns)
{
    const auto byMidnight = [](const RainDay& day, double x) { return day.midnight < x; };
    auto day = std::lower_bound(days.begin(), days.end(), x0 - kDay, byMidnight);
    const auto end = std::lower_bound(day, days.end(), x1, byMidnight);
    QList<QPointF> outline;
    const PixelColumns pixels = Columns(x0, x1, columns);
    if (pixels.perColumn <= kDay) {
        for (; day != end; ++day) AddStep(outline, day->midnight + kDay / 10, day->midnight + kDay * 9 / 10, day->rain);
        return outline;
    }
    long last = -2; // the pixel column of the last bar
    while (day != end) {
        const long column = pixels.of(day->midnight);
        double highest = day->rain;
        for (++day; day != end && pixels.of(day->midnight) == column; ++day) highest = std::max(highest, day->rain);
        const double a = x0 + static_cast<double>(column) * pixels.perColumn;
        // A bar beside the last one rises or falls from its top, not from 0: half the
        // points, and far fewer edges for the painter to fill.
        if (std::exchange(last, column) == column - 1) {
            outline.removeLast();
            outline << QPointF(a, highest) << QPointF(a + pixels.perColumn, highest) << QPointF(a + pixels.perColumn, 0);
        } else {
            AddStep(outline, a, a + pixels.perColumn, highest);
        }
    }
    return outline;
}

QList<QPointF> MissingOutline(const std::vector<std::pair<double, double>>& runs, double x0, double x1, int columns,
                              double height)
{
    const auto byEnd = [](const std::pair<double, double>& run, double x) { return run.second < x; };
    auto run = std::lower_bound(runs.begin(), runs.end(), x0, byEnd);
    QList<QPointF> outline;
    const double perColumn = Columns(x0, x1, columns).perColumn;
    while (run != runs.end() && run->first < x1) {
        const double a = run->first;
        double b = run->second;
        for (++run; run != runs.end() && run->first - b < perColumn && run->first < x1; ++run) b = run->second;
        AddStep(outline, a, b, height);
    }
    return outline;
}

ScreenSeries::ScreenSeries(QChart& chart, QValueAxis& dates, int width)
    : QObject(&chart), chart_(chart), dates_(dates), width_(width)
{
    connect(&dates, &QValueAxis::rangeChanged, this, &ScreenSeries::update);
    connect(&chart, &QChart::plotAreaChanged, this, &ScreenSeries::update);
}

void ScreenSeries::addLine(QLineSeries& series, std::vector<QPointF> piece)
{
    lines_.push_back({&series, std::move(piece)});
}

void ScreenSeries::setRain(QAreaSeries& bars, std::vector<RainDay> days)
{
    bars_ = &bars;
    rain_ = std::move(days);
}

void ScreenSeries::setMissingRain(QAreaSeries& band, std::vector<std::pair<double, double>> runs, double height)
{
    band_ = &band;
    missing_ = std::move(runs);
    bandHeight_ = height;
}

void ScreenSeries::update()
{
    const double x0 = dates_.min();
    const double x1 = dates_.max();
    const int plot = static_cast<int>(chart_.plotArea().width());
    const int columns = plot > 0 ? plot : width_;
    if (columns <= 0) return; // a window's chart, not laid out yet
    for (const Line& line : lines_) line.series->replace(ScreenPoints(line.piece, x0, x1, columns));
    if (bars_) {
        const QList<QPointF> outline = RainOutline(rain_, x0, x1, columns);
        bars_->upperSeries()->replace(outline);
        SetBase(*bars_, outline);
    }
    if (band_) {
        const QList<QPointF> outline = MissingOutline(missing_, x0, x1, columns, bandHeight_);
        band_->upperSeries()->replace(outline);
        SetBase(*band_, outline);
    }
}

} // namespace etp
