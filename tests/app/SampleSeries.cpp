#include "SampleSeries.h"

#include <QDate>
#include <QFile>
#include <cmath>
#include <stdexcept>

namespace etp::testing {

QByteArray SampleSeries(int days)
{
    QByteArray text = "DATE\tTMIN\tTMAX\tRHMIN\tRHMAX\tRAD\tWIND\tELIOF\tRAIN\r\n";
    const QDate first(2001, 1, 1);
    for (int i = 0; i < days; ++i) {
        const QDate date = first.addDays(i);
        const double season = std::sin(2 * 3.14159265 * (date.dayOfYear() - 105) / 365.0); // -1 winter .. 1 summer
        const double T = 12 + 9 * season;                                                  // [°C]
        const double values[] = {T - 5 + (i % 3), T + 5 + (i % 4), 45 - 10 * season, 92 - 4 * season,
                                 15 + 10 * season, 1.5 + (i % 5) * 0.4, 7 + 4 * season, i % 7 == 0 ? 6.2 : 0};
        text += date.toString(QStringLiteral("dd/MM/yyyy")).toLatin1();
        for (const double v : values) text += '\t' + QByteArray::number(v, 'f', 1);
        text += "\r\n";
    }
    return text;
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll();
}

} // namespace etp::testing
