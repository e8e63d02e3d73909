#include "app/ChartDialog.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

#include "app/ChartRenderer.h"
#include "app/DialogButtons.h"
#include "workbench/SaveTextFile.h"
#include "workbench/Workbench.h"

namespace etp {

namespace {

// A chart view that zooms the dates with the wheel and a dragged band and pans with the
// arrow keys (and the wheel with Shift).
class ZoomingChartView final : public QChartView {
public:
    explicit ZoomingChartView(QWidget* parent) : QChartView(parent)
    {
        setRubberBand(QChartView::HorizontalRubberBand);
        setRenderHint(QPainter::Antialiasing);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void wheelEvent(QWheelEvent* event) override
    {
        const double steps = event->angleDelta().y() / 120.0;
        if (steps == 0) return;
        if (event->modifiers() & Qt::ShiftModifier)
            chart()->scroll(-steps * chart()->plotArea().width() / 10, 0);
        else
            chart()->zoom(steps > 0 ? 1.25 : 0.8);
        event->accept();
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        const double step = chart()->plotArea().width() / 10;
        switch (event->key()) {
        case Qt::Key_Left: chart()->scroll(-step, 0); break;
        case Qt::Key_Right: chart()->scroll(step, 0); break;
        case Qt::Key_Plus: chart()->zoom(1.25); break;
        case Qt::Key_Minus: chart()->zoom(0.8); break;
        default: QChartView::keyPressEvent(event); return;
        }
        event->accept();
    }
};

} // namespace

ChartDialog::ChartDialog(const Workbench& workbench, UserInterface& ui, QWidget* parent)
    : QDialog(parent), workbench_(workbench), ui_(ui)
{
    setObjectName(QStringLiteral("ChartDialog"));
    setWindowTitle(QStringLiteral("Chart"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    auto* columnsLabel = new QLabel(QStringLiteral("Result columns:"), this);
    ListColumns = new QListWidget(this);
    ListColumns->setObjectName(QStringLiteral("ListColumns"));
    ListColumns->setMaximumWidth(ListColumns->fontMetrics().horizontalAdvance(QStringLiteral("P-T extrad (col 30)")) + 48);
    columnsLabel->setBuddy(ListColumns);
    connect(ListColumns, &QListWidget::itemChanged, this, &ChartDialog::ListColumns_Changed);
    CheckRain = new QCheckBox(QStringLiteral("Rain and irrigation"), this);
    CheckRain->setObjectName(QStringLiteral("CheckRain"));
    CheckRain->setChecked(true);
    connect(CheckRain, &QCheckBox::toggled, this, &ChartDialog::redraw);
    auto* hint = new QLabel(QStringLiteral("Zoom: wheel or drag a band.\nPan: arrow keys or Shift+wheel."), this);
    hint->setWordWrap(true);

    ChartView1 = new ZoomingChartView(this);
    ChartView1->setObjectName(QStringLiteral("ChartView1"));
    ChartView1->setMinimumSize(640, 400);

    auto* buttons = new QDialogButtonBox(this);
    CmdResetZoom = AddButton(*buttons, "CmdResetZoom", QStringLiteral("&Reset zoom"), QDialogButtonBox::ActionRole);
    CmdExportPng = AddButton(*buttons, "CmdExportPng", QStringLiteral("Export &PNG..."), QDialogButtonBox::ActionRole);
    CmdExportSvg = AddButton(*buttons, "CmdExportSvg", QStringLiteral("Export &SVG..."), QDialogButtonBox::ActionRole);
    CmdClose = AddButton(*buttons, "CmdClose", QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    connect(CmdResetZoom, &QPushButton::clicked, this, [this] { ChartView1->chart()->zoomReset(); });
    connect(CmdExportPng, &QPushButton::clicked, this, [this] { exportChart("*.png"); });
    connect(CmdExportSvg, &QPushButton::clicked, this, [this] { exportChart("*.svg"); });
    connect(CmdClose, &QPushButton::clicked, this, &QDialog::hide);

    auto* side = new QVBoxLayout;
    side->addWidget(columnsLabel);
    side->addWidget(ListColumns, 1);
    side->addWidget(CheckRain);
    side->addWidget(hint);
    auto* top = new QHBoxLayout;
    top->addLayout(side);
    top->addWidget(ChartView1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(buttons);
    resize(1000, 620);
}

void ChartDialog::refresh()
{
    const QSignalBlocker quiet(ListColumns);
    ListColumns->clear();
    for (const ChartColumn& column : ChartColumns(workbench_.sheet)) {
        auto* item = new QListWidgetItem(QString::fromStdString(column.name), ListColumns);
        item->setData(Qt::UserRole, column.column);
        const bool ticked = chosen_ ? std::find(chosen_->begin(), chosen_->end(), column.column) != chosen_->end()
                                    : column.drawnByDefault;
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
    redraw();
}

void ChartDialog::redraw()
{
    ChartOptions options;
    if (chosen_) options.columns = chosen_;
    options.rain = CheckRain->isChecked();
    options.width = 0; // the view lays the chart out before drawing it
    std::string problem;
    QChart* old = ChartView1->chart();
    ChartView1->setChart(BuildChart(workbench_, options, problem).release()); // the view owns the new chart
    delete old;
}

void ChartDialog::ListColumns_Changed(QListWidgetItem*)
{
    std::vector<int> ticked;
    for (int i = 0; i < ListColumns->count(); ++i)
        if (ListColumns->item(i)->checkState() == Qt::Checked) ticked.push_back(ListColumns->item(i)->data(Qt::UserRole).toInt());
    chosen_ = ticked;
    redraw();
}

void ChartDialog::exportChart(const char* pattern)
{
    const SaveDialog dialog{pattern, kExportChartTitle};
    const auto name = AskSaveName(ui_, dialog, ProposedSaveName(workbench_.workingFile.path, dialog, "-chart"));
    if (!name) return;
    std::string error;
    auto busy = ui_.busy(Pointer::Busy);
    if (!WriteChart(*ChartView1->chart(), ChartView1->chart()->size().toSize(), ChartTitle(workbench_), *name, error))
        ui_.message("The chart was not exported: " + error + ".", kApplicationTitle, Icon::Critical);
}

} // namespace etp
