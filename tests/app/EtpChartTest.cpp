// etp --chart FILE: etp runs etp-chart beside it, with no display and no platform set,
// hands it the sheet and the date column (here the second) and passes on its reason
// when it fails. Temporary files go with the run.   EtpChartTest ETP
#include <cstdio>

#include "AppSession.h"

int main(int argc, char** argv)
{
    const QCoreApplication application(argc, argv);
    if (argc != 2) return std::fprintf(stderr, "usage: EtpChartTest ETP\n"), 2;
    const QTemporaryDir dir;
    const QString tmp = dir.filePath(QStringLiteral("tmp"));
    QDir().mkpath(tmp);
    qputenv("TMPDIR", QFile::encodeName(tmp)); // for etp and etp-chart
    int failures = 0;
    const auto check = [&failures](bool ok, const QString& what) {
        if (!ok) std::fprintf(stderr, "FAIL: %s\n", qPrintable(what)), ++failures;
    };
    // Runs etp on the series with a chart file; its status and standard error.
    const auto etp = [&](const QString& chart) {
        // A numbered first column puts the dates into the second.
        const QList<QByteArray> lines = etp::testing::SampleSeries(60).split('\n');
        QByteArray series;
        for (qsizetype i = 0; i < lines.size(); ++i)
            if (!lines[i].isEmpty()) series += (i == 0 ? QByteArray("N") : QByteArray::number(i)) + '\t' + lines[i] + '\n';
        etp::testing::WriteBytes(dir.filePath(QStringLiteral("series.txt")), series);
        QProcess process;
        process.start(QString::fromLocal8Bit(argv[1]), {dir.filePath(QStringLiteral("series.txt")), QStringLiteral("--lat"),
                                                         QStringLiteral("45"), QStringLiteral("--method"),
                                                         QStringLiteral("PenMon"), QStringLiteral("--chart"), chart});
        const bool ended = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
        return std::pair(ended ? process.exitCode() : -1, QString::fromLocal8Bit(process.readAllStandardError()));
    };

    const QString png = dir.filePath(QStringLiteral("chart.png"));
    const auto [drawn, drawnErr] = etp(png);
    check(drawn == 0, QStringLiteral("etp --chart: status %1, %2").arg(drawn).arg(drawnErr));
    const QImage image(png);
    check(image.size() == QSize(1200, 700), QStringLiteral("not a 1200 x 700 PNG"));
    QSet<QRgb> colours; // drawn, not a blank page
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
    check(colours.size() > 10, QStringLiteral("blank chart"));

    // The file carries a title: the data file's name and the station.
    const QString svg = dir.filePath(QStringLiteral("chart.svg"));
    const auto [titled, titledErr] = etp(svg);
    check(titled == 0, QStringLiteral("etp --chart .svg: status %1, %2").arg(titled).arg(titledErr));
    check(QString::fromUtf8(etp::testing::ReadBytes(svg)).contains(
              QStringLiteral("<title>series.txt - station at latitude 45°, altitude 0 m</title>")),
          QStringLiteral("no title naming series.txt and the station in the SVG"));

    const QString unwritable = dir.filePath(QStringLiteral("no such folder/chart.svg"));
    const auto [failed, told] = etp(unwritable);
    check(failed == 1, QStringLiteral("etp --chart into a missing folder: status %1").arg(failed));
    check(told.endsWith("The chart " + unwritable + " could not be drawn: the file " + unwritable +
                        " could not be written: No such file or directory.\n"),
          "etp --chart into a missing folder said: " + told);
    // Qt keeps its runtime folder there too, when the environment names none.
    check(QDir(tmp).entryList({QStringLiteral("etp-chart-*")}).isEmpty(), QStringLiteral("temporary files left behind"));
    return failures == 0 ? 0 : 1;
}
