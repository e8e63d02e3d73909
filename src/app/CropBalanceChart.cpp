#include "app/CropBalanceChart.h"

#include <QAreaSeries>
#include <QChart>
#include <QDate>
#include <QDateTime>
#include <QCategoryAxis>
#include <QLegend>
#include <QLineSeries>
#include <QTimeZone>
#include <QValueAxis>
#include <algorithm>
#include <vector>

#include "app/chart/ChartScales.h"
#include "irrigation/CropWaterBalance.h"
#include "sheet/DateParts.h"

namespace etp {

namespace {

constexpr qint64 kDay = 24 * 3600 * 1000; // [ms]

QLineSeries* Line(QChart& chart, const QString& name, const QColor& colour, Qt::PenStyle style)
{
    auto* line = new QLineSeries;
    line->setName(name);
    line->setPen(QPen(colour, 2, style));
    chart.addSeries(line);
    return line;
}

// Bars over 80 % of each day that has one, standing on a line at 0 across the season (a
// lower line keeps the fill off the plot's edge, which is not 0 on a reversed axis).
QAreaSeries* Bars(QChart& chart, const QString& name, const QColor& fill,
                  const std::vector<std::pair<double, double>>& bars, double first, double last)
{
    auto* upper = new QLineSeries;
    auto* lower = new QLineSeries;
    for (const auto& [midnight, height] : bars) {
        if (!(height > 0)) continue;
        const double a = midnight + kDay / 10.0, b = midnight + kDay * 9 / 10.0;
        *upper << QPointF(a, 0) << QPointF(a, height) << QPointF(b, height) << QPointF(b, 0);
    }
    *lower << QPointF(first, 0) << QPointF(last, 0);
    auto* series = new QAreaSeries(upper, lower);
    upper->setParent(series);
    lower->setParent(series);
    series->setName(name);
    series->setColor(fill);
    series->setPen(QPen(fill.darker(150), 1));
    chart.addSeries(series);
    return series;
}

} // namespace

std::unique_ptr<QChart> BuildCropBalanceChart(const CropBalance& balance)
{
    auto chart = std::make_unique<QChart>();
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(6, 6, 6, 6));
    const QTimeZone zone = QTimeZone::systemTimeZone();
    std::vector<double> midnights; // [ms since the epoch], local
    for (const CropBalanceDay& d : balance.days) {
        const auto date = DateParts(d.date);
        if (!date) return chart; // the balance read every date of its season
        midnights.push_back(static_cast<double>(QDate(date->Year, date->Month, date->Day).startOfDay(zone).toMSecsSinceEpoch()));
    }
    if (midnights.empty()) return chart;
    const double first = midnights.front(), last = midnights.back() + kDay;

    std::vector<std::pair<double, double>> rain, water; // water: rain with the irrigation on it [mm]
    double wettest = 0, deepest = 0;                    // [mm]
    for (std::size_t i = 0; i < balance.days.size(); ++i) {
        const CropBalanceDay& d = balance.days[i];
        rain.emplace_back(midnights[i], d.rain);
        water.emplace_back(midnights[i], d.rain + d.irrigation);
        wettest = std::max(wettest, d.rain + d.irrigation);
        deepest = std::max({deepest, d.TAW, d.Dr});
    }

    // Ticks on month starts, taken afresh at each zoom, as the Chart window's.
    QCategoryAxis* dates = DateAxis(static_cast<qint64>(first), static_cast<qint64>(last));
    chart->addAxis(dates, Qt::AlignBottom);
    // Bars first, so that the lines are drawn over them; the irrigation stands on the rain.
    QAreaSeries* irrigation = Bars(*chart, QStringLiteral("irrigation (mm)"), QColor(60, 160, 90, 170), water, first, last);
    QAreaSeries* rainBars = Bars(*chart, QStringLiteral("rain (mm)"), QColor(70, 110, 160, 170), rain, first, last);
    // Hanging from the top, down to half the height at most, clear of the depletion lines.
    QValueAxis* waterAxis = RoundValueAxis(QStringLiteral("rain and irrigation (mm)"), 0, 2 * std::max(wettest, 1.0));
    waterAxis->setReverse(true);
    waterAxis->setGridLineVisible(false); // the depletion axis draws the grid
    chart->addAxis(waterAxis, Qt::AlignRight);
    for (QAreaSeries* bars : {irrigation, rainBars}) {
        bars->attachAxis(dates);
        bars->attachAxis(waterAxis);
    }

    QValueAxis* depletion = RoundValueAxis(QStringLiteral("root-zone depletion (mm)"), 0, deepest);
    chart->addAxis(depletion, Qt::AlignLeft);
    QLineSeries* taw = Line(*chart, QStringLiteral("TAW"), QColor(90, 90, 90), Qt::SolidLine);
    QLineSeries* raw = Line(*chart, QStringLiteral("RAW"), QColor(220, 130, 0), Qt::DashLine);
    QLineSeries* dr = Line(*chart, QStringLiteral("Dr"), QColor(190, 30, 30), Qt::SolidLine);
    for (std::size_t i = 0; i < balance.days.size(); ++i) {
        const CropBalanceDay& d = balance.days[i];
        const double noon = midnights[i] + kDay / 2.0;
        *taw << QPointF(noon, d.TAW);
        *raw << QPointF(noon, d.RAW);
        *dr << QPointF(noon, d.Dr);
    }
    for (QLineSeries* line : {taw, raw, dr}) {
        line->attachAxis(dates);
        line->attachAxis(depletion);
    }
    return chart;
}

} // namespace etp
