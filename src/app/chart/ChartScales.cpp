#include "app/chart/ChartScales.h"

#include <QCategoryAxis>
#include <QDateTime>
#include <QTimeZone>
#include <QValueAxis>
#include <array>
#include <cmath>

namespace etp {

namespace {

constexpr int kValueTicks = 8;   // at most, on a value axis
constexpr int kDateTicks = 8;

// Keeps the axis's ticks on multiples of a round step of its current range.
void KeepTicksRound(QValueAxis* axis, qreal min, qreal max)
{
    axis->setTickAnchor(0);
    axis->setTickInterval(RoundStep(max - min, kValueTicks));
}

} // namespace

double RoundStep(double span, int ticks)
{
    if (!(span > 0) || !std::isfinite(span) || ticks < 1) return 1;
    const double rough = span / ticks;
    const double decade = std::pow(10, std::floor(std::log10(rough)));
    for (const double multiple : {1.0, 2.0, 5.0})
        if (multiple * decade >= rough * (1 - 1e-9)) return multiple * decade;
    return 10 * decade;
}

QValueAxis* RoundValueAxis(const QString& title, double low, double high)
{
    low = std::min(low, 0.0);
    high = std::max(high, low + 1);
    const double step = RoundStep(high - low, kValueTicks);
    low = std::floor(low / step) * step;
    high = std::ceil(high / step) * step;
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setLabelFormat(QStringLiteral("%g"));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setRange(low, high);
    KeepTicksRound(axis, low, high);
    QObject::connect(axis, &QValueAxis::rangeChanged, axis, [axis](qreal min, qreal max) { KeepTicksRound(axis, min, max); });
    return axis;
}

namespace {

// The calendar days from the day of min to the day of max for which `take` holds, as
// ticks at their local midnights within [min, max]; empty once there are more than `most`.
template <typename Take>
std::vector<DateTick> TicksWhere(qint64 min, qint64 max, int most, const QString& format, int stepDays, Take take)
{
    const QTimeZone zone = QTimeZone::systemTimeZone();
    std::vector<DateTick> ticks;
    const QDate last = QDateTime::fromMSecsSinceEpoch(max, zone).date();
    for (QDate day = QDateTime::fromMSecsSinceEpoch(min, zone).date(); day <= last; day = day.addDays(stepDays)) {
        if (!take(day)) continue;
        const qint64 at = day.startOfDay(zone).toMSecsSinceEpoch();
        if (at < min || at > max) continue;
        if (static_cast<int>(ticks.size()) == most) return {};
        ticks.push_back({at, day.toString(format)});
    }
    return ticks;
}

// The first of each month whose number from January is a multiple of `step`.
std::vector<DateTick> MonthTicks(qint64 min, qint64 max, int most, int step)
{
    std::vector<DateTick> ticks;
    const QTimeZone zone = QTimeZone::systemTimeZone();
    const QDate first = QDateTime::fromMSecsSinceEpoch(min, zone).date();
    const QDate last = QDateTime::fromMSecsSinceEpoch(max, zone).date();
    for (QDate month(first.year(), first.month(), 1); month <= last; month = month.addMonths(1)) {
        if ((month.month() - 1) % step != 0) continue;
        const qint64 at = month.startOfDay(zone).toMSecsSinceEpoch();
        if (at < min || at > max) continue;
        if (static_cast<int>(ticks.size()) == most) return {};
        ticks.push_back({at, month.toString(QStringLiteral("MMM yyyy"))});
    }
    return ticks;
}

} // namespace

std::vector<DateTick> DateTicks(qint64 min, qint64 max, int most)
{
    if (!(max > min)) return {};
    const QTimeZone zone = QTimeZone::systemTimeZone();
    const int firstYear = QDateTime::fromMSecsSinceEpoch(min, zone).date().year();
    const int lastYear = QDateTime::fromMSecsSinceEpoch(max, zone).date().year();

    // Months, as many as fit; when not even every 6th fits, years.
    const std::vector<DateTick> everyMonth = MonthTicks(min, max, 1 << 20, 1);
    if (static_cast<int>(everyMonth.size()) >= 3) {
        for (const int step : {1, 2, 3, 6}) {
            std::vector<DateTick> ticks = MonthTicks(min, max, most, step);
            if (!ticks.empty()) return ticks;
        }
        for (int decade = 1;; decade *= 10)
            for (const int multiple : {1, 2, 5}) {
                const int step = multiple * decade;
                std::vector<DateTick> ticks;
                for (int year = (firstYear + step - 1) / step * step; year <= lastYear; year += step) {
                    const qint64 at = QDate(year, 1, 1).startOfDay(zone).toMSecsSinceEpoch();
                    if (at >= min && at <= max) ticks.push_back({at, QString::number(year)});
                }
                if (static_cast<int>(ticks.size()) <= most) return ticks;
            }
    }
    // A few weeks: days from each month's first, the last few days of a month left out
    // when the next first would crowd them.
    for (const int step : {1, 2, 5, 10}) {
        std::vector<DateTick> ticks = TicksWhere(min, max, most, QStringLiteral("dd/MM/yy"), 1, [step](const QDate& day) {
            return (day.day() - 1) % step == 0 && (day.day() == 1 || day.day() + step - 1 <= day.daysInMonth());
        });
        if (!ticks.empty()) return ticks;
    }
    return everyMonth;
}

QCategoryAxis* DateAxis(qint64 first, qint64 last)
{
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const auto follow = [axis](qreal min, qreal max) {
        const std::vector<DateTick> ticks = DateTicks(static_cast<qint64>(std::ceil(min)), static_cast<qint64>(max), kDateTicks);
        QSignalBlocker quiet(axis); // one change for the chart, not one per label
        for (const QString& label : axis->categoriesLabels()) axis->remove(label);
        axis->setStartValue(min);
        for (const DateTick& tick : ticks) axis->append(tick.label, static_cast<qreal>(tick.at));
        quiet.unblock();
        emit axis->categoriesChanged();
    };
    QObject::connect(axis, &QValueAxis::rangeChanged, axis, follow);
    axis->setRange(static_cast<qreal>(first), static_cast<qreal>(last));
    follow(axis->min(), axis->max());
    return axis;
}

QColor LineColour(int k)
{
    // Dark, saturated colours that differ in hue and stand out on white and on the rain
    // bars' blue (70, 110, 160); past them, hues a golden angle apart.
    static constexpr std::array<QRgb, 10> kColours = {0xd62728, 0x2ca02c, 0xff7f0e, 0x9467bd, 0x8c564b,
                                                      0xe377c2, 0x17becf, 0xbcbd22, 0x000000, 0x7f7f7f};
    if (k < static_cast<int>(kColours.size())) return QColor(kColours[static_cast<std::size_t>(k)]);
    return QColor::fromHsv((k * 137) % 360, 200, 170);
}

} // namespace etp
