#pragma once
// The chart of the result columns against the date, each unit on its own axis, with rain
// (irrigation included) as bars on an axis of their own. A day without a value breaks its line, and a day without a rain
// value is shaded; an empty rain cell is a dry day. Built for the Chart window, and
// written to PNG or SVG without any window for the window's export and for the batch tool.
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QChart;
class QString;
class QSize;

namespace etp {

struct Workbench;
class MeteoSheet;

// A column the chart can draw: every column titled with a result label.
struct ChartColumn {
    int column = 0;
    std::string label;
    // In the list and the legend (ColumnNames): the label, and the column when another
    // column has the same label (Compute run twice adds a second set), "PenMon (col 12)".
    std::string name;
    // The newest ET column of its label, holding a value: drawn unless the person chooses
    // otherwise. PotRad is not ET in mm a day.
    bool drawnByDefault = false;
};
std::vector<ChartColumn> ChartColumns(const MeteoSheet& sheet);

struct ChartOptions {
    std::optional<std::vector<int>> columns; // sheet columns drawn as lines; none given: the default ones
    bool rain = true;                        // rain as bars on a second axis
    // [px] of a PNG, user units of an SVG. 0 for a window: its chart is laid out before
    // it is drawn, and its lines get their points for the plot's width only then.
    int width = 1200;
    int height = 700;
};

// The chart of the sheet as it is now; the caller owns it. When there is nothing to
// draw, the chart is empty, its title says why and so does `problem`.
std::unique_ptr<QChart> BuildChart(const Workbench& workbench, const ChartOptions& options, std::string& problem);

// The title of a chart written to a file: the data file's name and where its station is,
// "station.txt - station at latitude 45.5°, altitude 250 m".
QString ChartTitle(const Workbench& workbench);

// Writes a chart as it stands (zoom included) at that size, under `title`, PNG or SVG by
// the ending of path, atomically. False, with the reason, when it could not.
bool WriteChart(QChart& chart, const QSize& size, const QString& title, const std::string& path, std::string& error);

// The chart written straight to path (the batch tool's --chart FILE), with no window
// shown. The program needs a QApplication.
bool RenderChart(const Workbench& workbench, const std::string& path, const ChartOptions& options, std::string& error);

} // namespace etp
