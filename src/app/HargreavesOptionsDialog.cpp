#include "app/HargreavesOptionsDialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DialogButtons.h"
#include "app/QtUserInterface.h"
#include "sheet/DecimalText.h"
#include "sheet/NumericValue.h"
#include "workbench/SettingCommands.h"
#include "workbench/MethodCommands.h"
#include "workbench/Workbench.h"

namespace etp {

namespace {

// CR: a line break. The pieces run on without a separator where the text has none.
constexpr const char* kExplanation =
    "Hargreaves and Samani Formula is :\r"
    "0.0023 * potential Radiation*(Tmean + 17.8)* (Tmax-Tmin)^0.5\r"
    "with a=0.0023    b=17.8      c=0.5\r"
    "\r"
    "but some authors use different values for parameter."
    "(e.g.: Hargreaves et al, 1982 use  a = 0.0022)"
    " or consider one of more parameter as a calibration parameters\r"
    "If you vould like to use parameters differents from the original one "
    "you can enter it here.";

} // namespace

HargreavesOptionsDialog::HargreavesOptionsDialog(Workbench& workbench, UserInterface& ui, QWidget* parent)
    : QDialog(parent), workbench_(workbench), ui_(ui)
{
    setObjectName(QStringLiteral("FormOpzHarg"));
    setWindowTitle(QStringLiteral("Hargreaves Options"));

    Label1 = new QLabel(ShownText(kExplanation), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    // Wide enough that the formula lines keep to one line each.
    Label1->setMinimumWidth(Label1->fontMetrics().averageCharWidth() * 90);

    static constexpr std::array<const char*, 3> kLabels = {"a value=", "b value =", "C value ="};
    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < Text.size(); ++i) {
        Text[i] = new QLineEdit(QString::fromLatin1(kHargreavesDefaultTexts[i]), this);
        Text[i]->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        form->addRow(QString::fromLatin1(kLabels[i]), Text[i]);
    }

    auto* buttons = new QDialogButtonBox(this);
    Command1 = AddButton(*buttons, "Command1", QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    Command2 = AddButton(*buttons, "Command2", QStringLiteral("Restore defaults"), QDialogButtonBox::ResetRole);
    Command3 = AddButton(*buttons, "Command3", QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    CmdCalibrate = AddButton(*buttons, "CmdCalibrate", QStringLiteral("Calibrate against PenMon"), QDialogButtonBox::ActionRole);
    connect(Command1, &QPushButton::clicked, this, &HargreavesOptionsDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &HargreavesOptionsDialog::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &HargreavesOptionsDialog::Command3_Click);
    connect(CmdCalibrate, &QPushButton::clicked, this, &HargreavesOptionsDialog::CmdCalibrate_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(form);
    layout->addWidget(buttons);
    // The close box and Escape are "Cancel": QDialog::reject hides the dialog, and the
    // next showing puts the coefficients back into the boxes.
}

void HargreavesOptionsDialog::showEvent(QShowEvent* event)
{
    showCoefficients();
    QDialog::showEvent(event);
}

std::array<std::string, 3> HargreavesOptionsDialog::texts() const
{
    std::array<std::string, 3> typed;
    for (std::size_t i = 0; i < typed.size(); ++i) typed[i] = Text[i]->text().toStdString();
    return typed;
}

// A box that reads as its coefficient keeps its text (".5" stays ".5"); the others show
// the coefficient.
void HargreavesOptionsDialog::showCoefficients()
{
    const HargreavesCoefficients& shown = workbench_.hargreaves;
    const std::array<double, 3> values = {shown.a, shown.b, shown.c};
    for (std::size_t i = 0; i < Text.size(); ++i) {
        const std::string text = Text[i]->text().toStdString();
        if (!IsFiniteNumberText(text) || NumericValue(text) != values[i])
            Text[i]->setText(QString::fromStdString(DecimalText(values[i])));
    }
}

void HargreavesOptionsDialog::focusBox(int box)
{
    QLineEdit* wrong = Text[static_cast<std::size_t>(box)];
    wrong->setFocus(Qt::OtherFocusReason);
    wrong->selectAll();
}

void HargreavesOptionsDialog::Command1_Click()
{
    if (const auto wrong = ApplyHargreaves(workbench_, texts(), ui_))
        focusBox(static_cast<int>(*wrong));
    else
        hide();
}

void HargreavesOptionsDialog::Command2_Click()
{
    for (std::size_t i = 0; i < Text.size(); ++i) Text[i]->setText(QString::fromLatin1(kHargreavesDefaultTexts[i]));
}

void HargreavesOptionsDialog::Command3_Click() { reject(); }

// The fit uses the boxes as they stand; a taken a shows in its box.
void HargreavesOptionsDialog::CmdCalibrate_Click()
{
    HargreavesBox wrong{};
    switch (CalibrateHargreavesCommand(workbench_, texts(), wrong, ui_)) {
    case CalibrationOutcome::WrongBox: focusBox(static_cast<int>(wrong)); break;
    case CalibrationOutcome::Taken: Text[0]->setText(QString::fromStdString(DecimalText(workbench_.hargreaves.a))); break;
    case CalibrationOutcome::NoFit:
    case CalibrationOutcome::Declined: break;
    }
}

} // namespace etp
