#include "app/chart/ChartScales.h"

#include <QDateTime>
#include <QDateTimeAxis>
#include <QValueAxis>
#include <array>
#include <cmath>

namespace etp {

namespace {

constexpr int kValueTicks = 8;   // at most, on a value axis
constexpr int kDateTicks = 8;
constexpr qint64 kHour = 3600 * 1000; // [ms]
constexpr qint64 kDay = 24 * kHour;

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

QString DateFormatForSpacing(qint64 spacing)
{
    // An hour to spare: a day of 25 hours when the clocks go back.
    if (spacing >= 366 * kDay + kHour) return QStringLiteral("yyyy");
    if (spacing >= 31 * kDay + kHour) return QStringLiteral("MMM yyyy");
    if (spacing >= kDay + kHour) return QStringLiteral("dd/MM/yy");
    if (spacing >= 60 * 1000) return QStringLiteral("dd/MM/yy hh:mm");
    return QStringLiteral("dd/MM/yy hh:mm:ss.zzz");
}

QDateTimeAxis* DateAxis(qint64 first, qint64 last)
{
    auto* axis = new QDateTimeAxis;
    axis->setTickCount(kDateTicks);
    const auto follow = [axis](const QDateTime& min, const QDateTime& max) {
        axis->setFormat(DateFormatForSpacing((max.toMSecsSinceEpoch() - min.toMSecsSinceEpoch()) / (kDateTicks - 1)));
    };
    QObject::connect(axis, &QDateTimeAxis::rangeChanged, axis, follow);
    axis->setRange(QDateTime::fromMSecsSinceEpoch(first), QDateTime::fromMSecsSinceEpoch(last));
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
