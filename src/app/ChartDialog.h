#pragma once
// Tools > Chart: the chosen result columns (at first the newest ET column of each label)
// as lines against the date, each unit on its own axis, rain with irrigation as bars. The
// mouse wheel and a dragged band zoom, the arrow keys pan; the chart as shown exports to
// PNG or SVG.
// Each opening draws the sheet afresh (refresh) and keeps the columns the person chose.
#include <QDialog>
#include <optional>
#include <vector>

class QCheckBox;
class QChartView;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace etp {

struct Workbench;
class UserInterface;

class ChartDialog final : public QDialog {
    Q_OBJECT
public:
    ChartDialog(const Workbench& workbench, UserInterface& ui, QWidget* parent);

    // Lists the columns of the sheet as it is now and draws them.
    void refresh();

private:
    void redraw();
    void ListColumns_Changed(QListWidgetItem* item);
    void exportChart(const char* pattern);

    const Workbench& workbench_;
    UserInterface& ui_;
    // The sheet columns the person ticked; none until a tick is changed (then the default).
    std::optional<std::vector<int>> chosen_;
    QListWidget* ListColumns = nullptr;
    QCheckBox* CheckRain = nullptr;
    QChartView* ChartView1 = nullptr;
    QPushButton* CmdResetZoom = nullptr;
    QPushButton* CmdExportPng = nullptr;
    QPushButton* CmdExportSvg = nullptr;
    QPushButton* CmdClose = nullptr;
};

} // namespace etp
