#pragma once
// The chart's lines and rain bars at screen resolution. A 32,000-day column drawn point by
// point takes seconds to paint; at most a few points per pixel column look the same. So
// the chart keeps every day here and its series hold only what the plot can show: for
// each pixel column of the dates in view, a line's lowest and highest value and a bar of
// the highest rain. The series are rebuilt whenever the dates in view or the plot's width
// change (zoom, pan, resize). Where a day is one pixel column or wider, every day is drawn
// as it is.
#include <QList>
#include <QObject>
#include <QPointF>
#include <utility>
#include <vector>

class QAreaSeries;
class QChart;
class QLineSeries;
class QValueAxis;

namespace etp {

// The points that draw `piece` (days in order of x) between x0 and x1 on `columns` pixel
// columns: the lowest and highest value of each column in the order of their days, and
// the nearest day beyond each end, so that the line runs on past the plot's edges.
QList<QPointF> ScreenPoints(const std::vector<QPointF>& piece, double x0, double x1, int columns);

// One day of rain: local midnight [ms since the epoch] and the rain [mm], above 0.
struct RainDay {
    double midnight;
    double rain;
};

// The outline of the rain bars between x0 and x1 (see Steps in ChartRenderer.cpp): each
// day a bar over 80 % of it, or, where a pixel column holds more than a day, one bar the
// width of the column at the highest rain in it.
QList<QPointF> RainOutline(const std::vector<RainDay>& days, double x0, double x1, int columns);

// The outline of the shading of runs of days without rain values ([first midnight, end]
// [ms]) between x0 and x1, at `height`; runs closer than a pixel column are one band.
QList<QPointF> MissingOutline(const std::vector<std::pair<double, double>>& runs, double x0, double x1, int columns,
                              double height);

// Keeps the chart's series at screen resolution; a child of the chart, gone with it.
class ScreenSeries final : public QObject {
public:
    ScreenSeries(QChart& chart, QValueAxis& dates, int width);

    void addLine(QLineSeries& series, std::vector<QPointF> piece);
    void setRain(QAreaSeries& bars, std::vector<RainDay> days);
    void setMissingRain(QAreaSeries& band, std::vector<std::pair<double, double>> runs, double height);

    // Rebuilds every series for the dates in view and the plot's width.
    void update();

private:
    struct Line {
        QLineSeries* series;
        std::vector<QPointF> piece;
    };
    QChart& chart_;
    QValueAxis& dates_; // [ms since the epoch]
    int width_; // [px] of the plot until the chart is laid out; 0: no points until then
    std::vector<Line> lines_;
    QAreaSeries* bars_ = nullptr;
    std::vector<RainDay> rain_;
    QAreaSeries* band_ = nullptr;
    std::vector<std::pair<double, double>> missing_;
    double bandHeight_ = 0; // [mm]
};

} // namespace etp
