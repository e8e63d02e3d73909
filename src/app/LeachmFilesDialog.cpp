#include "app/LeachmFilesDialog.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/DialogButtons.h"
#include "app/MethodChoiceBox.h"
#include "workbench/ModelFileCommands.h"

namespace etp {

LeachmFilesDialog::LeachmFilesDialog(Workbench& workbench, UserInterface& ui, QWidget* parent)
    : QDialog(parent), workbench_(workbench), ui_(ui), settings_(NewLeachmSettings(workbench, ui))
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("meteo files for LEACHM"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* concentrations = new QGroupBox(QStringLiteral("Concentration in rain [mg/l]"), this);
    concentrations->setObjectName(QStringLiteral("Frame1"));
    auto* form = new QFormLayout(concentrations);
    const std::tuple<QLineEdit*&, const char*, const char*, std::string*> boxes[] = {
        {Text1, "Text1", "N-urea", &settings_.urea},
        {Text2, "Text2", "N-ammonium", &settings_.ammonium},
        {Text3, "Text3", "N-nitrate", &settings_.nitrate},
    };
    for (const auto& [edit, name, label, text] : boxes) {
        edit = new QLineEdit(QString::fromStdString(*text), concentrations);
        edit->setObjectName(QString::fromLatin1(name));
        form->addRow(QString::fromLatin1(label), edit);
        connect(edit, &QLineEdit::textEdited, this, [text = text](const QString& typed) { *text = typed.toStdString(); });
    }

    Frame2 = new MethodChoiceBox(QStringLiteral("select one of this methods"), settings_.methods, this);
    Frame2->setObjectName(QStringLiteral("Frame2"));

    auto* dates = new QGroupBox(QStringLiteral("format of dates option"), this);
    dates->setObjectName(QStringLiteral("Frame3"));
    auto* dateLayout = new QVBoxLayout(dates);
    Option1 = new QRadioButton(QStringLiteral("ddmmaa"), dates);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2 = new QRadioButton(QStringLiteral("n° of day"), dates);
    Option2->setObjectName(QStringLiteral("Option2"));
    dateLayout->addWidget(Option1);
    dateLayout->addWidget(Option2);
    Option1->setChecked(true);
    connect(Option1, &QRadioButton::toggled, this, [this](bool ddmmaa) {
        settings_.dates = ddmmaa ? LeachmDateFormat::Ddmmaa : LeachmDateFormat::DayNumber;
    });

    auto* buttons = new QDialogButtonBox(this);
    Command1 = AddButton(*buttons, "Command1", QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    Command2 = AddButton(*buttons, "Command2", QStringLiteral("Save rain data"), QDialogButtonBox::ActionRole);
    Command3 = AddButton(*buttons, "Command3", QStringLiteral("Save ETP data"), QDialogButtonBox::ActionRole);
    Command4 = AddButton(*buttons, "Command4", QStringLiteral("Save all"), QDialogButtonBox::ActionRole);
    connect(Command1, &QPushButton::clicked, this, &LeachmFilesDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &LeachmFilesDialog::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &LeachmFilesDialog::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &LeachmFilesDialog::Command4_Click);
    // Enter never writes a file.
    for (QPushButton* button : {Command1, Command2, Command3, Command4}) button->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->addWidget(concentrations, 0, 0);
    grid->addWidget(dates, 1, 0);
    grid->addWidget(Frame2, 0, 1, 2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    // "ddmmaa" comes first in the focus order.
    setTabOrder(Option1, Option2);
    Option1->setFocus(Qt::OtherFocusReason);
}

void LeachmFilesDialog::Command1_Click() { hide(); }

void LeachmFilesDialog::Command2_Click() { SaveLeachmRain(workbench_, settings_, ui_); }

void LeachmFilesDialog::Command3_Click() { SaveLeachmEtp(workbench_, settings_, ui_); }

void LeachmFilesDialog::Command4_Click() { SaveLeachmAll(workbench_, settings_, ui_); }

} // namespace etp
