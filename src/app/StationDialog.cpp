#include "app/StationDialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DialogButtons.h"
#include "sheet/NumericValue.h"
#include "workbench/SettingCommands.h"
#include "workbench/Workbench.h"

namespace etp {

StationDialog::StationDialog(Workbench& workbench, UserInterface& ui, QWidget* parent)
    : QDialog(parent), workbench_(workbench), ui_(ui)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Station parameters"));

    struct Box {
        QLineEdit*& edit;
        const char* name;
        const char* label;
        std::string StationParameters::*text;
    };
    const Box boxes[] = {
        {Text1, "Text1", "Latitude (°)", &StationParameters::latitude},
        {Text2, "Text2", "Altitude a.s.l. (m)", &StationParameters::altitude},
        {Text3, "Text3", "Wind speed measurement high (m)", &StationParameters::windHeight},
    };
    auto* form = new QFormLayout;
    for (const Box& box : boxes) {
        box.edit = new QLineEdit(QString::fromStdString(workbench_.station.*box.text), this);
        box.edit->setObjectName(QString::fromLatin1(box.name));
        form->addRow(QString::fromUtf8(box.label), box.edit);
        connect(box.edit, &QLineEdit::textEdited, this,
                [this, text = box.text](const QString& typed) {
                    workbench_.station.*text = WithDecimalPoint(typed.toStdString()); // "1,9" is 1.9
                });
    }

    auto* buttons = new QDialogButtonBox(this);
    Command1 = AddButton(*buttons, "Command1", QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    connect(Command1, &QPushButton::clicked, this, &StationDialog::Command1_Click);
    Command2 = AddButton(*buttons, "Command2", QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    connect(Command2, &QPushButton::clicked, this, &StationDialog::Command2_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    // The close box hides the dialog like "OK" but leaves the status bar alone.
}

void StationDialog::focusLatitude()
{
    Text1->setFocus(Qt::OtherFocusReason);
    Text1->selectAll();
}

void StationDialog::showEvent(QShowEvent* event)
{
    shown_ = workbench_.station;
    showTexts();
    QDialog::showEvent(event);
    focusLatitude();
}

void StationDialog::showTexts()
{
    Text1->setText(QString::fromStdString(workbench_.station.latitude));
    Text2->setText(QString::fromStdString(workbench_.station.altitude));
    Text3->setText(QString::fromStdString(workbench_.station.windHeight));
}

QLineEdit* StationDialog::box(StationBox which) const
{
    switch (which) {
    case StationBox::Latitude: return Text1;
    case StationBox::Altitude: return Text2;
    case StationBox::WindHeight: return Text3;
    }
    return Text1;
}

void StationDialog::Command1_Click()
{
    if (const auto wrong = ApplyStation(workbench_, ui_)) {
        box(*wrong)->setFocus(Qt::OtherFocusReason);
        box(*wrong)->selectAll();
        return;
    }
    emit applied();
    hide();
}

void StationDialog::Command2_Click()
{
    workbench_.station = shown_;
    showTexts();
    hide();
}

} // namespace etp
