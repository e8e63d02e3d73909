#include "app/SummaryDialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "analysis/Summary.h"
#include "app/DialogButtons.h"
#include "app/QtUserInterface.h"
#include "workbench/ToolsCommands.h"

namespace etp {

namespace {

// Each column as wide as its longest text, the years' in bold, and its title. The cells
// hold digits, points and signs, of one width in the fonts we meet, so the longest text is
// the widest: measuring every cell of a thousand months (resizeColumnsToContents) took
// about as long as everything else the dialog does.
void FitColumnsToLongestText(QTableWidget& table, int months)
{
    const int margin = 2 * (table.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &table) + 1) +
                       (table.showGrid() ? 1 : 0);
    QFont boldFont = table.font();
    boldFont.setBold(true);
    // Fractional widths, rounded up: at 150 % a text a pixel fraction wider than its cell
    // is elided ("2019-...").
    const QFontMetricsF normal(table.font()), bold(boldFont);
    for (int k = 0; k < table.columnCount(); ++k) {
        QString longest[2]; // of the months, of the years
        for (int line = 0; line < table.rowCount(); ++line) {
            QString& kept = longest[line < months ? 0 : 1];
            if (const QString text = table.item(line, k)->text(); text.size() > kept.size()) kept = text;
        }
        const int cells =
            static_cast<int>(std::ceil(std::max(normal.horizontalAdvance(longest[0]), bold.horizontalAdvance(longest[1])))) +
            margin + 1;
        table.setColumnWidth(k, std::max(cells, table.horizontalHeader()->sectionSizeHint(k)));
    }
}

} // namespace

SummaryDialog::SummaryDialog(const Workbench& workbench, UserInterface& ui, QWidget* parent)
    : QDialog(parent), workbench_(workbench), ui_(ui)
{
    setObjectName(QStringLiteral("SummaryDialog"));
    setWindowTitle(QStringLiteral("Summary"));

    LabelSummary = new QLabel(this);
    LabelSummary->setObjectName(QStringLiteral("LabelSummary"));
    LabelSummary->setWordWrap(true);
    TableSummary = new QTableWidget(this);
    TableSummary->setObjectName(QStringLiteral("TableSummary"));
    TableSummary->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TableSummary->verticalHeader()->hide();
    TableSummary->verticalHeader()->setDefaultSectionSize(TableSummary->fontMetrics().height() + 6);

    auto* buttons = new QDialogButtonBox(this);
    CmdCopy = AddButton(*buttons, "CmdCopy", QStringLiteral("&Copy"), QDialogButtonBox::ActionRole);
    CmdSave = AddButton(*buttons, "CmdSave", QStringLiteral("&Save..."), QDialogButtonBox::ActionRole);
    CmdClose = AddButton(*buttons, "CmdClose", QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    connect(CmdCopy, &QPushButton::clicked, this, &SummaryDialog::CmdCopy_Click);
    connect(CmdSave, &QPushButton::clicked, this, &SummaryDialog::CmdSave_Click);
    connect(CmdClose, &QPushButton::clicked, this, &QDialog::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelSummary);
    layout->addWidget(TableSummary, 1);
    layout->addWidget(buttons);
    refresh();
    // Wide enough for every column the sheet has now, as far as the screen allows.
    int tableWidth = 2 * TableSummary->frameWidth() + TableSummary->verticalScrollBar()->sizeHint().width();
    for (int k = 0; k < TableSummary->columnCount(); ++k) tableWidth += TableSummary->columnWidth(k);
    const int room = screen()->availableGeometry().width() - 40;
    resize(std::clamp(tableWidth + 2 * layout->contentsMargins().left(), 600, std::max(600, room)), 520);
}

void SummaryDialog::refresh()
{
    const Summary summary = Summarize(workbench_);
    text_ = SummaryText(summary);
    // The table shows the text itself, so what is copied or saved is what is seen; the
    // legend below it, after an empty line, goes under the count of months.
    const QString shown = ShownText(text_);
    const qsizetype tableEnd = shown.indexOf(QStringLiteral("\n\n"));
    QStringList lines = shown.left(tableEnd).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QString legend = tableEnd < 0 ? QString() : shown.mid(tableEnd + 2).trimmed();
    // The changed method options above the titles go with the legend.
    for (qsizetype i = 0; i < static_cast<qsizetype>(summary.options.size()); ++i)
        legend += (legend.isEmpty() && i == 0 ? QString() : QStringLiteral("\n")) + lines.takeFirst().section(QLatin1Char('\t'), 1);
    const QStringList header = lines.takeFirst().split(QLatin1Char('\t'));
    TableSummary->clear();
    TableSummary->setColumnCount(static_cast<int>(header.size()));
    TableSummary->setHorizontalHeaderLabels(header);
    TableSummary->setRowCount(static_cast<int>(lines.size()));
    const int months = static_cast<int>(summary.months.size());
    for (int line = 0; line < lines.size(); ++line) {
        const QStringList fields = lines[line].split(QLatin1Char('\t'));
        for (int k = 0; k < fields.size(); ++k) {
            auto* item = new QTableWidgetItem(fields[k]);
            item->setTextAlignment(k == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            if (line >= months) { // the years, after the months
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            TableSummary->setItem(line, k, item);
        }
    }
    FitColumnsToLongestText(*TableSummary, months);
    LabelSummary->setText(months == 0 ? QStringLiteral("No row holds a date in the date column: nothing to sum.")
                                      : QStringLiteral("%1 months and %2 years; each mean is over the days "
                                                       "that hold a number in that column.%3")
                                            .arg(months)
                                            .arg(summary.years.size())
                                            .arg(legend.isEmpty() ? QString() : QLatin1Char('\n') + legend));
    CmdCopy->setEnabled(months != 0);
    CmdSave->setEnabled(months != 0);
}

void SummaryDialog::CmdCopy_Click()
{
    refresh(); // the dialog stays open while the sheet changes: copy the sheet as it is now
    if (CmdCopy->isEnabled()) QGuiApplication::clipboard()->setText(QString::fromStdString(text_));
}

void SummaryDialog::CmdSave_Click()
{
    refresh(); // the file gets the sheet as it is now; so does the table
    SaveSummaryAs(workbench_, ui_);
}

} // namespace etp
