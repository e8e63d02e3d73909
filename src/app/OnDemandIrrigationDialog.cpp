#include "app/OnDemandIrrigationDialog.h"

#include <QGridLayout>
#include <QPushButton>

#include "app/MethodChoiceBox.h"
#include "workbench/IrrigationCommands.h"
#include "workbench/ModelFileCommands.h"

namespace etp {

OnDemandIrrigationDialog::OnDemandIrrigationDialog(Workbench& workbench, UserInterface& ui, QWidget* parent)
    : IrrigationDialog("Domirr", QStringLiteral("Irrigation function of ETP-rain"), parent),
      workbench_(workbench),
      ui_(ui),
      choice_(NewMethodChoice(workbench, ui))
{
    Frame1 = new MethodChoiceBox(QStringLiteral("select one of this methods"), choice_, this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    QGroupBox* dates = TextFrame("Frame2", QStringLiteral("Setting date (i.e. 06/07)"),
                                 {{"Text1", "Starting date", &texts_.start}, {"Text2", "Ending date", &texts_.end}}, this);
    QGroupBox* limit = TextFrame("Frame3", QStringLiteral("Irrigation when (ETP-rain) exceed limit"),
                                 {{"Text3", "ETP-rain  limit (mm)", &texts_.limit}, {"Text4", "Restoring (%)", &texts_.restoring}},
                                 this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Frame1, 0, 0, 3, 1);
    layout->addWidget(dates, 0, 1);
    layout->addWidget(limit, 1, 1);
    layout->addWidget(Command1, 2, 1, Qt::AlignRight | Qt::AlignBottom);
    layout->addWidget(applied_, 3, 0, 1, 2);
    layout->setRowStretch(3, 1);
}

const std::vector<IrrigationApplication>* OnDemandIrrigationDialog::apply()
{
    return ApplyOnDemand(workbench_, choice_, texts_, ui_) ? &workbench_.onDemandApplications : nullptr;
}

} // namespace etp
