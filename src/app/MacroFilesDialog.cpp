#include "app/MacroFilesDialog.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "app/DialogButtons.h"
#include "app/MethodChoiceBox.h"
#include "workbench/ModelFileCommands.h"

namespace etp {

MacroFilesDialog::MacroFilesDialog(Workbench& workbench, UserInterface& ui, QWidget* parent)
    : QDialog(parent), workbench_(workbench), ui_(ui), methods_(NewMethodChoice(workbench, ui))
{
    setObjectName(QStringLiteral("form6"));
    setWindowTitle(QStringLiteral("Meteo files for MACRO"));
    setAttribute(Qt::WA_DeleteOnClose);

    Frame1 = new MethodChoiceBox(QStringLiteral("Select one of this methods"), methods_, this);
    Frame1->setObjectName(QStringLiteral("Frame1"));

    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    Command1 = AddButton(*buttons, "Command1", QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    Command2 = AddButton(*buttons, "Command2", QStringLiteral("Save rain data"), QDialogButtonBox::ActionRole);
    Command3 = AddButton(*buttons, "Command3", QStringLiteral("Save ETP data"), QDialogButtonBox::ActionRole);
    Command4 = AddButton(*buttons, "Command4", QStringLiteral("Save temp. data"), QDialogButtonBox::ActionRole);
    Command5 = AddButton(*buttons, "Command5", QStringLiteral("Save all"), QDialogButtonBox::ActionRole);
    connect(Command1, &QPushButton::clicked, this, &MacroFilesDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &MacroFilesDialog::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &MacroFilesDialog::Command3_Click);
    connect(Command5, &QPushButton::clicked, this, &MacroFilesDialog::Command5_Click);
    Command4->setEnabled(false);
    Command4->setToolTip(QStringLiteral("No file layout is defined for this file."));
    // Enter never writes a file.
    for (QPushButton* button : {Command1, Command2, Command3, Command4, Command5}) button->setAutoDefault(false);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(Frame1, 1);
    layout->addWidget(buttons);
}

void MacroFilesDialog::Command1_Click() { hide(); }

void MacroFilesDialog::Command2_Click() { SaveMacroRain(workbench_, ui_); }

void MacroFilesDialog::Command3_Click() { SaveMacroEtp(workbench_, methods_, ui_); }

void MacroFilesDialog::Command5_Click() { SaveMacroAll(workbench_, methods_, ui_); }

} // namespace etp
