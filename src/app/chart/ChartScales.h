#pragma once
// The scales of the chart: value axes whose ticks fall on round numbers at every zoom,
// a date axis whose ticks stand on calendar boundaries (month starts, years, days), one
// value axis per unit, and a colour per line.
#include <QColor>
#include <QString>
#include <vector>

class QCategoryAxis;
class QValueAxis;

namespace etp {

// The round tick step (1, 2 or 5 times a power of ten) that cuts `span` into at most
// `ticks` intervals; 1 for an empty or invalid span.
double RoundStep(double span, int ticks);

// A value axis from `low` to `high` widened to round ends (from 0, or below for negative
// values), titled, whose ticks stay on multiples of a round step whenever its range
// changes (zoom, pan, the person's or the program's).
QValueAxis* RoundValueAxis(const QString& title, double low, double high);

// A tick of the date axis: local midnight [ms since the epoch] and its label.
struct DateTick {
    qint64 at;
    QString label;
    bool operator==(const DateTick&) const = default;
};

// The ticks between min and max [ms since the epoch], at most `most` of them (`most` >= 3),
// on local midnights: month starts every 1, 2, 3 or 6 months (from January), labelled
// "Mar 2020"; on a longer span 1 January every 1, 2 or 5 times a power of ten years,
// "2020"; on a span with fewer than three month starts, days 1, 2, 5 or 10 days apart
// from each month's first, "14/02/20".
std::vector<DateTick> DateTicks(qint64 min, qint64 max, int most);

// A date axis over [first, last] [ms since the epoch] whose ticks are DateTicks, taken
// afresh whenever its range changes (zoom, pan).
QCategoryAxis* DateAxis(qint64 first, qint64 last);

// The colour of the k-th line of the chart: distinct from each other line's and from
// the rain bars' blue.
QColor LineColour(int k);

} // namespace etp
