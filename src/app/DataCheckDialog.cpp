#include "app/DataCheckDialog.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "analysis/DataCheck.h"
#include "app/DialogButtons.h"
#include "app/QtUserInterface.h"
#include "workbench/Workbench.h"

namespace etp {

DataCheckDialog::DataCheckDialog(const Workbench& workbench, UserInterface& ui, QWidget* parent)
    : QDialog(parent), workbench_(workbench), ui_(ui)
{
    setObjectName(QStringLiteral("DataCheckDialog"));
    setWindowTitle(QStringLiteral("Check data"));

    LabelCheck = new QLabel(this);
    LabelCheck->setObjectName(QStringLiteral("LabelCheck"));
    TableFindings = new QTableWidget(0, 4, this);
    TableFindings->setObjectName(QStringLiteral("TableFindings"));
    TableFindings->setHorizontalHeaderLabels(
        {QStringLiteral("variable"), QStringLiteral("problem"), QStringLiteral("count"), QStringLiteral("first rows")});
    TableFindings->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TableFindings->setSelectionBehavior(QAbstractItemView::SelectRows);
    TableFindings->setSelectionMode(QAbstractItemView::SingleSelection);
    TableFindings->verticalHeader()->hide();
    TableFindings->verticalHeader()->setDefaultSectionSize(TableFindings->fontMetrics().height() + 6);
    TableFindings->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    connect(TableFindings, &QTableWidget::cellClicked, this, [this](int line, int) { TableFindings_Click(line); });

    auto* buttons = new QDialogButtonBox(this);
    CmdCheck = AddButton(*buttons, "CmdCheck", QStringLiteral("Check again"), QDialogButtonBox::ActionRole);
    CmdClose = AddButton(*buttons, "CmdClose", QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    connect(CmdCheck, &QPushButton::clicked, this, &DataCheckDialog::refresh);
    connect(CmdClose, &QPushButton::clicked, this, &QDialog::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelCheck);
    layout->addWidget(TableFindings, 1);
    layout->addWidget(buttons);
    resize(760, 420);
    // The opening checks the sheet (refresh): once, not here as well.
}

void DataCheckDialog::refresh()
{
    DataCheckReport report;
    {
        auto busy = ui_.busy(Pointer::Busy);
        report = CheckData(workbench_);
    }
    if (!report.nothing.empty())
        LabelCheck->setText(ShownText(report.nothing));
    else
        LabelCheck->setText(QStringLiteral("%1 days checked, %2. A click on a line selects its cells in the sheet.")
                                .arg(report.rows)
                                .arg(report.hasProblems() ? QStringLiteral("problems found") : QStringLiteral("no problems found")));
    TableFindings->clearContents();
    TableFindings->setRowCount(static_cast<int>(report.findings.size()));
    cells_.clear();
    int line = 0;
    for (const CheckFinding& finding : report.findings) {
        const QString texts[] = {ShownText(finding.variable), ShownText(finding.problem),
                                 finding.isProblem ? QString::number(finding.count) : QString(), QString::fromStdString(FirstRowsText(finding))};
        for (int k = 0; k < 4; ++k) {
            auto* item = new QTableWidgetItem(texts[k]);
            if (!finding.isProblem) { // a note, not a fault
                QFont italic = item->font();
                italic.setItalic(true);
                item->setFont(italic);
            }
            TableFindings->setItem(line, k, item);
        }
        const int column = FindingColumn(finding, workbench_.columns);
        QList<int> rows;
        rows.reserve(static_cast<qsizetype>(finding.rows.size()));
        for (const int row : finding.rows)
            if (row >= 1) rows << row;
        if (rows.isEmpty() && column != 0) rows << 1; // a note about a column: its title
        cells_.append({column, rows});
        ++line;
    }
    TableFindings->resizeColumnToContents(0);
    TableFindings->resizeColumnToContents(2);
    TableFindings->resizeColumnToContents(3);
}

void DataCheckDialog::TableFindings_Click(int line)
{
    if (line < 0 || line >= cells_.size() || cells_[line].second.isEmpty()) return;
    emit cellsChosen(cells_[line].first, cells_[line].second);
}

} // namespace etp
