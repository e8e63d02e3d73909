// etp-chart SHEET DATE_COLUMN CHART: the chart of etp's --chart, drawn by the desktop
// program's renderer into CHART (.png or .svg). SHEET is the data sheet as File > Save
// writes it, DATE_COLUMN the column of the dates (0: none). etp runs it for a chart and
// waits; the reason of a failure goes to standard output, for etp's message, and the
// exit status is then 1.
#include <QApplication>
#include <QFile>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>

#include "app/ChartRenderer.h"
#include "import/TextImport.h"
#include "workbench/Workbench.h"

namespace {

bool Draw(const char* sheetPath, const char* dateColumn, const std::string& chartPath, std::string& error)
{
    etp::Workbench workbench;
    QFile sheet(QString::fromLocal8Bit(sheetPath));
    if (!sheet.open(QIODevice::ReadOnly)) {
        error = "the sheet " + std::string(sheetPath) + " cannot be read: " + sheet.errorString().toStdString();
        return false;
    }
    const QByteArray bytes = sheet.readAll();
    etp::ReadTextLines(workbench.sheet, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    workbench.columns.text[etp::ColumnBox::Date] = dateColumn;
    return etp::RenderChart(workbench, chartPath, etp::ChartOptions{}, error);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: etp-chart SHEET DATE_COLUMN CHART\n";
        return 2;
    }
    // No window is shown: the offscreen platform draws the same file with or without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Every argument is etp's: Qt is given none of them to read as its own options.
    int qtArgc = 1;
    QApplication application(qtArgc, argv);

    std::string error;
    try {
        if (Draw(argv[1], argv[2], argv[3], error)) return 0;
    } catch (const std::exception& failure) {
        error = failure.what();
    }
    std::cout << error << '\n';
    return 1;
}
