// etp --chart FILE: etp runs etp-chart beside it, with no display and no platform set,
// hands it the sheet and the date column (here the second) and passes on its reason
// when it fails. Temporary files go with the run.   EtpChartTest ETP
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <cstdio>
#include <string>

#include "SampleSeries.h"

namespace {

int failures = 0;

void Check(bool ok, const std::string& what)
{
    if (ok) return;
    std::fprintf(stderr, "FAIL: %s\n", what.c_str());
    ++failures;
}

struct Run {
    int status = -1;
    QString err;
};

Run Etp(const QString& etp, const QString& tmp, const QStringList& args)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), tmp);
    process.setProcessEnvironment(environment);
    process.start(etp, args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return {};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

} // namespace

int main(int argc, char** argv)
{
    const QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: EtpChartTest ETP\n");
        return 2;
    }
    const QString etp = QString::fromLocal8Bit(argv[1]);
    const QTemporaryDir dir;
    const QString tmp = dir.filePath(QStringLiteral("tmp"));
    QDir().mkpath(tmp);

    // A numbered first column puts the dates into the second.
    const QList<QByteArray> lines = etp::testing::SampleSeries(60).split('\n');
    QByteArray series;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (!lines[i].isEmpty()) series += (i == 0 ? QByteArray("N") : QByteArray::number(i)) + '\t' + lines[i] + '\n';
    const QString input = dir.filePath(QStringLiteral("series.txt"));
    etp::testing::WriteBytes(input, series);
    const QStringList station{input, QStringLiteral("--lat"), QStringLiteral("45"), QStringLiteral("--method"),
                              QStringLiteral("PenMon")};

    const QString png = dir.filePath(QStringLiteral("chart.png"));
    const Run drawn = Etp(etp, tmp, station + QStringList{QStringLiteral("--chart"), png});
    Check(drawn.status == 0, "etp --chart: status " + std::to_string(drawn.status) + ", " + drawn.err.toStdString());
    const QImage image(png);
    Check(image.size() == QSize(1200, 700), "not a 1200 x 700 PNG");
    QSet<QRgb> colours; // drawn, not a blank page
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
    Check(colours.size() > 10, "blank chart");

    const QString unwritable = dir.filePath(QStringLiteral("no such folder/chart.svg"));
    const Run failed = Etp(etp, tmp, station + QStringList{QStringLiteral("--chart"), unwritable});
    Check(failed.status == 1, "etp --chart into a missing folder: status " + std::to_string(failed.status));
    const QString told = "The chart " + unwritable + " could not be drawn: the file " + unwritable +
                         " could not be written: No such file or directory.\n";
    Check(failed.err.endsWith(told), "etp --chart into a missing folder said: " + failed.err.toStdString());

    // Qt keeps its runtime folder there too, when the environment names none.
    Check(QDir(tmp).entryList({QStringLiteral("etp-chart-*")}).isEmpty(), "temporary files left behind");
    return failures == 0 ? 0 : 1;
}
