#pragma once
// A daily station series as the program reads it: titles DATE TMIN TMAX RHMIN RHMAX
// RAD WIND ELIOF RAIN, TAB between fields, CR LF after each line, days from 1 January
// 2001. Smooth seasonal weather: radiation in MJ m-2 (below 50), wind in m s-1 (below
// 80), sunshine in hours (below 24), so auto finding picks those units.
#include <QByteArray>
#include <QString>

namespace etp::testing {

QByteArray SampleSeries(int days);
// Writes bytes to path; throws when it cannot.
void WriteBytes(const QString& path, const QByteArray& bytes);
QByteArray ReadBytes(const QString& path);

} // namespace etp::testing
