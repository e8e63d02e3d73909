// etp-chart SHEET DATE_COLUMN CHART [FILE LATITUDE ALTITUDE]: the chart of etp's --chart,
// drawn by the desktop program's renderer into CHART (.png or .svg). SHEET is the data
// sheet as File > Save writes it, DATE_COLUMN the column of the dates (0: none); FILE and
// the station's LATITUDE and ALTITUDE make the chart's title. etp runs it for a chart and
// waits; the reason of a failure goes to standard output, for etp's message, and the
// exit status is then 1.
#include <QApplication>
#include <QFile>
#include <algorithm>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>

#include "app/ChartRenderer.h"
#include "import/TextImport.h"
#include "workbench/Workbench.h"

namespace {

bool Draw(char** argv, int argc, std::string& error)
{
    const char* sheetPath = argv[1];
    const std::string chartPath = argv[3];
    etp::Workbench workbench;
    if (argc == 7) {
        workbench.workingFile.path = argv[4];
        workbench.station.latitude = argv[5];
        workbench.station.altitude = argv[6];
    }
    QFile sheet(QString::fromLocal8Bit(sheetPath));
    if (!sheet.open(QIODevice::ReadOnly)) {
        error = "the sheet " + std::string(sheetPath) + " cannot be read: " + sheet.errorString().toStdString();
        return false;
    }
    const QByteArray bytes = sheet.readAll();
    etp::ReadTextLines(workbench.sheet, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    // The date's boxes: date, year, month, day and day of year, separated by commas.
    const std::string boxes = argv[2];
    const etp::ColumnBox dateBoxes[] = {etp::ColumnBox::Date, etp::ColumnBox::Year, etp::ColumnBox::Month,
                                        etp::ColumnBox::Day, etp::ColumnBox::Doy};
    std::size_t from = 0;
    for (const etp::ColumnBox box : dateBoxes) {
        const std::size_t comma = std::min(boxes.find(',', from), boxes.size());
        workbench.columns.set(box, from <= boxes.size() ? boxes.substr(from, comma - from) : "0");
        from = comma + 1;
    }
    return etp::RenderChart(workbench, chartPath, etp::ChartOptions{}, error);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4 && argc != 7) {
        std::cerr << "usage: etp-chart SHEET DATE[,YEAR,MONTH,DAY,DOY] CHART [FILE LATITUDE ALTITUDE]\n";
        return 2;
    }
    // No window is shown: the offscreen platform draws the same file with or without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Every argument is etp's: Qt is given none of them to read as its own options.
    int qtArgc = 1;
    QApplication application(qtArgc, argv);

    std::string error;
    try {
        if (Draw(argv, argc, error)) return 0;
    } catch (const std::exception& failure) {
        error = failure.what();
    }
    std::cout << error << '\n';
    return 1;
}
