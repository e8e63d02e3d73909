#include "app/MethodsDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DialogButtons.h"
#include "et/MethodAvailability.h"
#include "et/MethodTable.h"
#include "workbench/MethodCommands.h"
#include "workbench/Workbench.h"

namespace etp {

MethodsDialog::MethodsDialog(MethodDialog kind, const QString& title, const QString& intro, Workbench& workbench,
                             UserInterface& ui, QWidget* parent)
    : QDialog(parent), kind_(kind), workbench_(workbench), ui_(ui), methods_(MethodsOf(kind))
{
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    if (!intro.isEmpty()) {
        auto* label = new QLabel(intro, this);
        label->setObjectName(QStringLiteral("Label1"));
        layout->addWidget(label);
    }

    auto* frame = new QGroupBox(QStringLiteral("Select the methods"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* boxes = new QVBoxLayout(frame);
    for (const Method method : methods_) {
        auto* box = new QCheckBox(QString::fromUtf8(Info(method).caption), frame);
        box->setObjectName(QStringLiteral("Check%1").arg(Check.size() + 1));
        boxes->addWidget(box);
        connect(box, &QCheckBox::clicked, this, [this, method](bool checked) { Check_Click(method, checked); });
        Check.push_back(box);
    }
    layout->addWidget(frame);

    auto* buttons = new QDialogButtonBox(this);
    Command1 = AddButton(*buttons, "Command1", QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    Command2 = AddButton(*buttons, "Command2", QStringLiteral("annulla"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(Command1, &QPushButton::clicked, this, &MethodsDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &MethodsDialog::Command2_Click);
    // The close box and Esc hide the dialog like "annulla": ticks and enabled flags stay.

    showSelection();
}

void MethodsDialog::checkColumns()
{
    if (!OpenMethods(workbench_, ui_)) hide();
    showSelection();
}

void MethodsDialog::showSelection()
{
    for (std::size_t i = 0; i < Check.size(); ++i) {
        const bool enabled = workbench_.methods.enabled[methods_[i]];
        Check[i]->setChecked(workbench_.methods.checked[methods_[i]]);
        Check[i]->setEnabled(enabled);
        QString why;
        if (enabled) {
            why = QString::fromStdString(EstimatesUsedText(methods_[i], workbench_.columns, workbench_.estimates));
        } else {
            why = QString::fromStdString(ColumnsNeededText(methods_[i], workbench_.columns, workbench_.estimates));
        }
        Check[i]->setToolTip(why);
    }
}

void MethodsDialog::Check_Click(Method method, bool checked) { workbench_.methods.checked[method] = checked; }

void MethodsDialog::Command1_Click()
{
    if (ConfirmMethods(workbench_, kind_, ui_)) hide();
}

void MethodsDialog::Command2_Click() { hide(); }

} // namespace etp
