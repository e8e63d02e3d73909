#pragma once
// The scales of the chart: value axes whose ticks fall on round numbers at every zoom,
// a date axis whose labels never repeat, one value axis per unit, and a colour per line.
#include <QColor>
#include <QString>

class QDateTimeAxis;
class QValueAxis;

namespace etp {

// The round tick step (1, 2 or 5 times a power of ten) that cuts `span` into at most
// `ticks` intervals; 1 for an empty or invalid span.
double RoundStep(double span, int ticks);

// A value axis from `low` to `high` widened to round ends (from 0, or below for negative
// values), titled, whose ticks stay on multiples of a round step whenever its range
// changes (zoom, pan, the person's or the program's).
QValueAxis* RoundValueAxis(const QString& title, double low, double high);

// A date axis over [first, last] [ms since the epoch]; its label format follows the
// spacing of its ticks whenever its range changes, so that no two ticks read alike.
QDateTimeAxis* DateAxis(qint64 first, qint64 last);

// The date format whose labels differ for ticks `spacing` ms apart.
QString DateFormatForSpacing(qint64 spacing);

// The colour of the k-th line of the chart: distinct from each other line's and from
// the rain bars' blue.
QColor LineColour(int k);

} // namespace etp
