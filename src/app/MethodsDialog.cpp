#include "app/MethodsDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DialogButtons.h"
#include "workbench/Workbench.h"

namespace etp {

MethodsDialog::MethodsDialog(MethodDialog kind, const QString& title, const QString& intro, Workbench& workbench,
                             UserInterface& ui, QWidget* parent)
    : QDialog(parent), kind_(kind), workbench_(workbench), ui_(ui)
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
    for (int i = 0; i < 6; ++i) {
        const int k = FirstMethod(kind_) + i;
        QCheckBox*& box = Check[static_cast<std::size_t>(i)];
        box = new QCheckBox(QString::fromUtf8(kMethodCaptions[static_cast<std::size_t>(k)]), frame);
        box->setObjectName(QStringLiteral("Check%1").arg(i + 1));
        boxes->addWidget(box);
        connect(box, &QCheckBox::clicked, this, [this, k](bool checked) { Check_Click(k, checked); });
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
    if (!OpenMethodDialog(kind_, workbench_.columns, workbench_.methods, ui_)) hide();
    showSelection();
}

void MethodsDialog::showSelection()
{
    for (int i = 0; i < 6; ++i) {
        const auto k = static_cast<std::size_t>(FirstMethod(kind_) + i);
        QCheckBox* box = Check[static_cast<std::size_t>(i)];
        box->setChecked(workbench_.methods.checked[k]);
        box->setEnabled(workbench_.methods.enabled[k]);
    }
}

void MethodsDialog::Check_Click(int k, bool checked) { workbench_.methods.checked[static_cast<std::size_t>(k)] = checked; }

void MethodsDialog::Command1_Click()
{
    if (ConfirmMethodDialog(kind_, workbench_.methods, ui_)) hide();
}

void MethodsDialog::Command2_Click() { hide(); }

} // namespace etp
