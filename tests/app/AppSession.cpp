#include "AppSession.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <vector>

#include "SampleSeries.h"
#include "et/MethodTable.h"

namespace etp::testing {

AppSession::AppSession() : form(std::make_unique<Form1>(workbench, ui))
{
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) throw std::runtime_error("the main window was not shown");
}

void ClickIndicator(QAbstractButton* button)
{
    // A check box or option takes clicks on its indicator and caption only, and a layout
    // may stretch it well beyond them.
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
}

QString TableText(const QTableWidget* table)
{
    QString text;
    for (int line = -1; line < table->rowCount(); ++line)
        for (int k = 0; k < table->columnCount(); ++k)
            text += (line < 0 ? table->horizontalHeaderItem(k) : table->item(line, k))->text() +
                    (k + 1 < table->columnCount() ? '\t' : '\n');
    return text;
}

void AppSession::triggerAction(const QString& name)
{
    QAction* action = Child<QAction>(form.get(), name);
    if (!action->isEnabled()) throw std::runtime_error("menu item " + name.toStdString() + " is disabled");
    action->trigger();
}

void AppSession::click(const QString& button, const QWidget* window)
{
    QTest::mouseClick(Child<QAbstractButton>(window ? window : form.get(), button), Qt::LeftButton);
}

void AppSession::type(const QString& box, const QString& text, const QWidget* window)
{
    QLineEdit* edit = Child<QLineEdit>(window ? window : form.get(), box);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

QWidget* AppSession::dialog(const QString& name) const { return form->findChild<QWidget*>(name); }

QWidget* AppSession::openDialog(const QString& item, const QString& name)
{
    triggerAction(item);
    return dialog(name);
}

QTableView* AppSession::grid() const { return Child<QTableView>(form.get(), QStringLiteral("Grid1")); }

QString AppSession::panel(int number) const
{
    return Child<QLabel>(form.get(), QStringLiteral("StatusBar1_%1").arg(number))->text();
}

QString AppSession::box(int index) const { return Child<QLineEdit>(form.get(), QStringLiteral("Text1_%1").arg(index))->text(); }

QString AppSession::cell(int row, int column) const
{
    return grid()->model()->index(row - 1, column - 1).data().toString();
}

void AppSession::setCell(int row, int column, const QString& text)
{
    QAbstractItemModel* model = grid()->model();
    if (!model->setData(model->index(row - 1, column - 1), text)) throw std::runtime_error("the grid refused an edit");
}

QString AppSession::lastMessage() const
{
    return ui.messages.empty() ? QString() : QString::fromStdString(ui.messages.back());
}

void AppSession::open(const QString& path)
{
    ui.openFiles.push_back(path.toStdString());
    triggerAction(QStringLiteral("open"));
}

void AppSession::openSample(const QString& path, int days)
{
    WriteBytes(path, SampleSeries(days));
    open(path);
    click(QStringLiteral("CmdAutoFind"));
    setStation(QStringLiteral("45"), QStringLiteral("100"));
}

void AppSession::setStation(const QString& latitude, const QString& altitude)
{
    QWidget* station = openDialog(QStringLiteral("station"), QStringLiteral("Form3"));
    type(QStringLiteral("Text1"), latitude, station);
    type(QStringLiteral("Text2"), altitude, station);
    click(QStringLiteral("Command1"), station);
}

QLineEdit* BoxBesideCaption(const QWidget* dialog, const QString& caption)
{
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        if (label->text() == caption)
            if (auto* box = qobject_cast<QLineEdit*>(label->buddy())) return box;
    throw std::runtime_error("no text box beside \"" + caption.toStdString() + "\"");
}

void AppSession::computeOnly(Method method)
{
    workbench.methods.checked = {};
    tick(method);
    click(QStringLiteral("Command1"));
}

void AppSession::tick(Method method)
{
    const MethodDialog dialog = Info(method).dialog;
    const bool combination = dialog == MethodDialog::Combination;
    QWidget* methods = openDialog(combination ? QStringLiteral("combination") : QStringLiteral("Other_Methods"),
                                  combination ? QStringLiteral("Form2") : QStringLiteral("frmOthermet"));
    const std::vector<Method> boxes = MethodsOf(dialog);
    const auto number = std::find(boxes.begin(), boxes.end(), method) - boxes.begin() + 1;
    auto* check = Child<QCheckBox>(methods, QStringLiteral("Check%1").arg(number));
    if (!check->isChecked()) ClickIndicator(check);
    click(QStringLiteral("Command1"), methods);
}

} // namespace etp::testing
