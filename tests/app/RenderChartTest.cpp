// etp --chart: RenderChart in a program with no QApplication of its own, as the batch
// tool is, run twice (each call makes and ends its own offscreen application): a drawn PNG
// of the asked size each time.
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <cstdio>
#include <string>

#include "SampleSeries.h"
#include "app/ChartRenderer.h"
#include "sheet/TextImport.h"
#include "workbench/Workbench.h"

namespace {

int failures = 0;

void Check(bool ok, const std::string& what)
{
    if (ok) return;
    std::fprintf(stderr, "FAIL: %s\n", what.c_str());
    ++failures;
}

} // namespace

int main()
{
    etp::Workbench workbench;
    const QByteArray series = etp::testing::SampleSeries(60);
    etp::ReadTextLines(workbench.sheet, std::string(series.constData(), static_cast<std::size_t>(series.size())));
    workbench.columns.text[etp::DateBox] = "1";
    const QTemporaryDir dir;

    for (const char* name : {"first.png", "second.png"}) {
        const std::string path = dir.filePath(QString::fromLatin1(name)).toStdString();
        etp::ChartOptions options;
        options.width = 500;
        options.height = 300;
        std::string error;
        Check(etp::RenderChart(workbench, path, options, error), std::string(name) + ": " + error);
        const QImage image(QString::fromStdString(path));
        Check(image.size() == QSize(500, 300), std::string(name) + ": not a 500 x 300 PNG");
        QSet<QRgb> colours; // drawn, not a blank page
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
        Check(colours.size() > 10, std::string(name) + ": blank");
    }
    return failures == 0 ? 0 : 1;
}
