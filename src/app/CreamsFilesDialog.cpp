#include "app/CreamsFilesDialog.h"

#include <algorithm>

#include <QHeaderView>
#include <QScrollBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/DialogButtons.h"
#include "workbench/ModelFileCommands.h"

namespace etp {

CreamsFilesDialog::CreamsFilesDialog(Workbench& workbench, UserInterface& ui, QWidget* parent) : QDialog(parent), workbench_(workbench), ui_(ui)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Meteo files for CREAMS"));

    // Row 1 holds the headers, rows 2-120 the months, as in the data sheet.
    Grid1 = new QTableWidget(CreamsTable::kRows, CreamsTable::kColumns, this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Grid1->verticalHeader()->setDefaultSectionSize(Grid1->fontMetrics().height() + 6);
    for (int c = 0; c < CreamsTable::kColumns; ++c) {
        Grid1->setHorizontalHeaderItem(c, new QTableWidgetItem(QString::number(c + 1)));
        Grid1->setColumnWidth(c, Grid1->fontMetrics().horizontalAdvance(QStringLiteral("Tmean F°")) + 16);
    }
    Grid1->horizontalHeader()->setStretchLastSection(true);

    auto* buttons = new QDialogButtonBox(this);
    Command1 = AddButton(*buttons, "Command1", QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    Command2 = AddButton(*buttons, "Command2", QStringLiteral("Save T and Rad"), QDialogButtonBox::ActionRole);
    Command3 = AddButton(*buttons, "Command3", QStringLiteral("Save Rain"), QDialogButtonBox::ActionRole);
    Command4 = AddButton(*buttons, "Command4", QStringLiteral("Save all"), QDialogButtonBox::ActionRole);
    connect(Command1, &QPushButton::clicked, this, &CreamsFilesDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &CreamsFilesDialog::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &CreamsFilesDialog::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &CreamsFilesDialog::Command4_Click);
    // Enter never writes a file.
    for (QPushButton* button : {Command1, Command2, Command3, Command4}) button->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Grid1, 1);
    layout->addWidget(buttons);
    const int gridWidth = Grid1->verticalHeader()->sizeHint().width() + Grid1->horizontalHeader()->length() +
                          Grid1->verticalScrollBar()->sizeHint().width() + 2 * Grid1->frameWidth();
    resize(std::max(gridWidth + 24, buttons->sizeHint().width() + 24), 460);
}

bool CreamsFilesDialog::buildTable()
{
    const bool built = BuildCreamsTable(workbench_, table_, ui_);
    showTable();
    return built;
}

void CreamsFilesDialog::showTable()
{
    for (int r = 1; r <= CreamsTable::kRows; ++r)
        for (int c = 1; c <= CreamsTable::kColumns; ++c) {
            const QString text = QString::fromUtf8(table_.text(r, c).data(), static_cast<qsizetype>(table_.text(r, c).size()));
            if (QTableWidgetItem* item = Grid1->item(r - 1, c - 1))
                item->setText(text);
            else
                Grid1->setItem(r - 1, c - 1, new QTableWidgetItem(text));
        }
}

void CreamsFilesDialog::Command1_Click() { hide(); }

void CreamsFilesDialog::Command2_Click() { SaveCreamsTemperatureRadiation(workbench_, table_, ui_); }

void CreamsFilesDialog::Command3_Click() { SaveCreamsRain(workbench_, ui_); }

void CreamsFilesDialog::Command4_Click() { SaveCreamsAll(workbench_, table_, ui_); }

} // namespace etp
