#include "app/MethodOptionDialogs.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/DialogButtons.h"
#include "sheet/DecimalText.h"
#include "workbench/MethodCommands.h"
#include "workbench/Workbench.h"

namespace etp {

namespace {

// OK and Cancel under the dialog's boxes.
QDialogButtonBox* OkCancel(QDialog* dialog, QPushButton*& ok, QPushButton*& cancel)
{
    auto* buttons = new QDialogButtonBox(dialog);
    ok = AddButton(*buttons, "Command1", QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    cancel = AddButton(*buttons, "Command2", QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return buttons;
}

ChoiceOptionDialog::Choice PenMonChoice()
{
    return {"FormOpzPenmon", "PenmanMonteith Options",
            "Soil heat flux from the previous day's mean temperature (0.38 (T - T before))",
            "Soil heat flux 0 (FAO-56 for daily steps)",
            [](const Workbench& wb) { return wb.methodOptions.penMonSoilHeat == SoilHeatFlux::Zero; },
            [](Workbench& wb, bool second) {
                wb.methodOptions.penMonSoilHeat = second ? SoilHeatFlux::Zero : SoilHeatFlux::PreviousDayMean;
            }};
}

ChoiceOptionDialog::Choice TurcChoice()
{
    return {"FormOpzTurc", "Turc Options",
            "Turc (1961) humidity correction, x (1 + (50 - RH mean) / 70) when RH mean is 50 % or less "
            "(a humidity of 0 counts as not measured)",
            "No humidity correction (the humid-climate formula on every day)",
            [](const Workbench& wb) { return wb.methodOptions.turcHumidity == TurcHumidity::Off; },
            [](Workbench& wb, bool second) {
                wb.methodOptions.turcHumidity = second ? TurcHumidity::Off : TurcHumidity::Below50;
            }};
}

ChoiceOptionDialog::Choice PotRadChoice()
{
    return {"FormOpzPotRad", "Potential Radiation Options", "PotRad in MJ m-2 d-1",
            "PotRad as its evaporation equivalent in mm/day (x 0.408)",
            [](const Workbench& wb) {
                return wb.methodOptions.potentialRadiationUnit == PotentialRadiationUnit::MillimetresPerDay;
            },
            [](Workbench& wb, bool second) {
                wb.methodOptions.potentialRadiationUnit =
                    second ? PotentialRadiationUnit::MillimetresPerDay : PotentialRadiationUnit::MegajoulesPerSquareMetreDay;
            }};
}

ChoiceOptionDialog::Choice AsceRsoChoice()
{
    return {"FormOpzAsceRso", "ASCE Clear-Sky Radiation Options", "Rso = (0.75 + 2e-5 z) Ra (ASCE-EWRI 2005 Eq. 19)",
            "Rso from pressure, precipitable water and sun angle (ASCE-EWRI 2005 Appendix D)",
            [](const Workbench& wb) { return wb.methodOptions.asceClearSky == AsceClearSky::Full; },
            [](Workbench& wb, bool second) {
                wb.methodOptions.asceClearSky = second ? AsceClearSky::Full : AsceClearSky::Simple;
            }};
}

} // namespace

PenMonOptionDialog::PenMonOptionDialog(Workbench& workbench, QWidget* parent) : ChoiceOptionDialog(workbench, PenMonChoice(), parent) {}

TurcOptionDialog::TurcOptionDialog(Workbench& workbench, QWidget* parent) : ChoiceOptionDialog(workbench, TurcChoice(), parent) {}

PotRadOptionDialog::PotRadOptionDialog(Workbench& workbench, QWidget* parent) : ChoiceOptionDialog(workbench, PotRadChoice(), parent) {}

AsceRsoOptionDialog::AsceRsoOptionDialog(Workbench& workbench, QWidget* parent) : ChoiceOptionDialog(workbench, AsceRsoChoice(), parent) {}

ChoiceOptionDialog::ChoiceOptionDialog(Workbench& workbench, Choice choice, QWidget* parent)
    : QDialog(parent), workbench_(workbench), choice_(std::move(choice))
{
    setObjectName(QString::fromLatin1(choice_.name));
    setWindowTitle(QString::fromLatin1(choice_.title));
    setModal(true);
    Option1 = new QRadioButton(QString::fromUtf8(choice_.first), this);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2 = new QRadioButton(QString::fromUtf8(choice_.second), this);
    Option2->setObjectName(QStringLiteral("Option2"));
    auto* buttons = OkCancel(this, Command1, Command2);
    connect(Command1, &QPushButton::clicked, this, &ChoiceOptionDialog::Command1_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Option1);
    layout->addWidget(Option2);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ChoiceOptionDialog::showEvent(QShowEvent* event)
{
    (choice_.read(workbench_) ? Option2 : Option1)->setChecked(true);
    QDialog::showEvent(event);
}

void ChoiceOptionDialog::Command1_Click()
{
    choice_.write(workbench_, Option2->isChecked());
    accept();
}

PriestleyTaylorOptionsDialog::PriestleyTaylorOptionsDialog(Workbench& workbench, UserInterface& ui, QWidget* parent)
    : QDialog(parent), workbench_(workbench), ui_(ui)
{
    setObjectName(QStringLiteral("FormOpzPt"));
    setWindowTitle(QStringLiteral("Priestley-Taylor Options"));
    setModal(true);
    auto* label = new QLabel(QStringLiteral("Priestley and Taylor (1972) take alpha = 1.26 for a wet surface; "
                                            "drier climates are fitted with up to about 1.7."),
                             this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setWordWrap(true);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("alpha of \"P-T\" (1 to 2) ="), Text1);
    form->addRow(QStringLiteral("kRs of \"P-T extrad\" (0.16 inland, 0.19 coastal) ="), Text2);
    auto* buttons = OkCancel(this, Command1, Command2);
    connect(Command1, &QPushButton::clicked, this, &PriestleyTaylorOptionsDialog::Command1_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void PriestleyTaylorOptionsDialog::showEvent(QShowEvent* event)
{
    Text1->setText(QString::fromStdString(DecimalText(workbench_.methodOptions.priestleyTaylorAlpha)));
    Text2->setText(QString::fromStdString(DecimalText(workbench_.methodOptions.ptExtradKrs)));
    QDialog::showEvent(event);
}

void PriestleyTaylorOptionsDialog::Command1_Click()
{
    if (const auto box = ApplyPriestleyTaylorOptions(workbench_, Text1->text().toStdString(),
                                                     Text2->text().toStdString(), ui_)) {
        QLineEdit* wrong = *box == 0 ? Text1 : Text2;
        wrong->setFocus(Qt::OtherFocusReason);
        wrong->selectAll();
        return;
    }
    accept();
}

} // namespace etp
