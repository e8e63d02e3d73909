#include "app/IrrigationWidgets.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "sheet/DecimalText.h"

namespace etp {

QGroupBox* TextFrame(const char* frameName, const QString& caption, std::initializer_list<TextField> fields,
                     QWidget* parent)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(frameName));
    auto* form = new QFormLayout(frame);
    for (const TextField& field : fields) {
        auto* box = new QLineEdit(QString::fromStdString(*field.text), frame);
        box->setObjectName(QString::fromLatin1(field.name));
        auto* label = new QLabel(QString::fromLatin1(field.label), frame);
        label->setObjectName(QStringLiteral("Label_") + box->objectName());
        label->setBuddy(box);
        form->addRow(label, box);
        QObject::connect(box, &QLineEdit::textEdited, frame,
                         [text = field.text](const QString& typed) { *text = typed.toStdString(); });
    }
    return frame;
}

AppliedList::AppliedList(QWidget* parent) : QGroupBox(QStringLiteral("Added to the rain column"), parent)
{
    setObjectName(QStringLiteral("FrameApplied"));
    LabelApplied = new QLabel(QStringLiteral("Nothing yet: \"Apply\" waters the rain column of the sheet."), this);
    LabelApplied->setObjectName(QStringLiteral("LabelApplied"));
    LabelApplied->setWordWrap(true);
    ListApplied = new QListWidget(this);
    ListApplied->setObjectName(QStringLiteral("ListApplied"));
    ListApplied->setMinimumHeight(ListApplied->fontMetrics().height() * 6);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelApplied);
    layout->addWidget(ListApplied);
}

void AppliedList::showApplications(const std::vector<IrrigationApplication>& applications)
{
    ListApplied->clear();
    double total = 0; // [mm]
    for (const IrrigationApplication& applied : applications) {
        ListApplied->addItem(QStringLiteral("%1\t%2 mm")
                                 .arg(QString::fromStdString(applied.date), QString::fromStdString(DecimalText(applied.amount))));
        total += applied.amount;
    }
    if (applications.empty())
        LabelApplied->setText(QStringLiteral("The last \"Apply\" added no water."));
    else
        LabelApplied->setText(QStringLiteral("The last \"Apply\" watered %1 %2, %3 mm in all:")
                                  .arg(applications.size())
                                  .arg(applications.size() == 1 ? QStringLiteral("day") : QStringLiteral("days"),
                                       QString::fromStdString(DecimalText(total))));
}

IrrigationDialog::IrrigationDialog(const char* name, const QString& caption, QWidget* parent) : QDialog(parent)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose); // with its texts (and choice)
    Command1 = new QPushButton(QStringLiteral("Apply"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &IrrigationDialog::Command1_Click);
    applied_ = new AppliedList(this);
}

void IrrigationDialog::Command1_Click()
{
    emit applying();
    const std::vector<IrrigationApplication>* applications = apply();
    if (!applications) return;
    emit sheetChanged();
    applied_->showApplications(*applications);
}

} // namespace etp
