#include "app/FormOpzHarg.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DialogButtons.h"
#include "app/QtUserInterface.h"
#include "sheet/DecimalText.h"
#include "workbench/Commands.h"
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

FormOpzHarg::FormOpzHarg(Workbench& workbench, UserInterface& ui, QWidget* parent)
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
    connect(Command1, &QPushButton::clicked, this, &FormOpzHarg::Command1_Click);
    CmdCalibrate = AddButton(*buttons, "CmdCalibrate", QStringLiteral("Calibrate against PenMon"), QDialogButtonBox::ActionRole);
    connect(Command2, &QPushButton::clicked, this, &FormOpzHarg::Command2_Click);
    connect(CmdCalibrate, &QPushButton::clicked, this, &FormOpzHarg::CmdCalibrate_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(form);
    layout->addWidget(buttons);
    // No cancel button; the close box hides the dialog and leaves a, b and c alone.
}

void FormOpzHarg::Command1_Click()
{
    std::array<std::string, 3> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = Text[i]->text().toStdString();
    if (ApplyHargreaves(workbench_, texts, ui_)) hide();
}

void FormOpzHarg::Command2_Click()
{
    for (std::size_t i = 0; i < Text.size(); ++i) Text[i]->setText(QString::fromLatin1(kHargreavesDefaultTexts[i]));
}

// A taken a shows in its box; b and c keep what was typed.
void FormOpzHarg::CmdCalibrate_Click()
{
    if (CalibrateHargreavesCommand(workbench_, ui_))
        Text[0]->setText(QString::fromStdString(DecimalText(workbench_.hargreaves.a)));
}

} // namespace etp
