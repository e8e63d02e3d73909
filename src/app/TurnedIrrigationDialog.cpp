#include "app/TurnedIrrigationDialog.h"

#include <QGridLayout>
#include <QPushButton>
#include <QLabel>

#include "workbench/IrrigationCommands.h"

namespace etp {

TurnedIrrigationDialog::TurnedIrrigationDialog(Workbench& workbench, UserInterface& ui, QWidget* parent)
    : IrrigationDialog("TurnedIrri", QStringLiteral("Turned irrigation"), parent), workbench_(workbench), ui_(ui)
{
    QGroupBox* dates = TextFrame("Frame1", QStringLiteral("Dates (i.e. 06/07)"),
                                 {{"Text1", "Starting date", &texts_.start}, {"Text2", "Ending date", &texts_.end}}, this);
    QGroupBox* water = TextFrame("Frame2", QStringLiteral("Water"),
                                 {{"Text3", "Frequency (d)", &texts_.frequency}, {"Text4", "Amount each (mm)", &texts_.amount}},
                                 this);
    QGroupBox* rain = TextFrame("Frame3", QStringLiteral("No irrigation if cumulated rain is"),
                                {{"Text5", "greater than (mm)", &texts_.threshold},
                                 {"Text6", "in \"n\" days before application", &texts_.days}},
                                this);
    Label7 = new QLabel(QStringLiteral("The first irrigation day  is Starting date + Frequency"), this);
    Label7->setObjectName(QStringLiteral("Label7"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(dates, 0, 0);
    layout->addWidget(water, 0, 1);
    layout->addWidget(rain, 1, 0, 1, 2);
    layout->addWidget(Label7, 2, 0, 1, 2);
    layout->addWidget(Command1, 3, 1, Qt::AlignRight);
    layout->addWidget(applied_, 4, 0, 1, 2);
    layout->setRowStretch(4, 1);
}

const std::vector<IrrigationApplication>* TurnedIrrigationDialog::apply()
{
    return ApplyTurned(workbench_, texts_, ui_) ? &workbench_.turnedApplications : nullptr;
}

} // namespace etp
