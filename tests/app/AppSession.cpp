#include "AppSession.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "et/MethodTable.h"

namespace etp::testing {

AppSession::AppSession(Settings settings)
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("etp-tests"));
    // The application's name stays the test program's own: one settings file a program,
    // as ctest runs several at once and one's recent files must not show up in another.
    if (settings == Settings::Fresh) QSettings().clear();
    form = std::make_unique<MainWindow>(workbench, ui);
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

void AppSession::type(const QString& box, const QString& text, const QWidget* window)
{
    QLineEdit* edit = Child<QLineEdit>(window ? window : form.get(), box);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void AppSession::setCell(int row, int column, const QString& text)
{
    QAbstractItemModel* model = grid()->model();
    if (!model->setData(model->index(row - 1, column - 1), text)) throw std::runtime_error("the grid refused an edit");
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
    QWidget* methods = dialog == MethodDialog::Combination ? openDialog(QStringLiteral("combination"), QStringLiteral("Form2"))
                       : dialog == MethodDialog::Others ? openDialog(QStringLiteral("Other_Methods"), QStringLiteral("frmOthermet"))
                                                        : openDialog(QStringLiteral("Standard_Methods"), QStringLiteral("frmStandard"));
    const std::vector<Method> boxes = MethodsOf(dialog);
    const auto number = std::find(boxes.begin(), boxes.end(), method) - boxes.begin() + 1;
    auto* check = Child<QCheckBox>(methods, QStringLiteral("Check%1").arg(number));
    if (!check->isChecked()) ClickIndicator(check);
    click(QStringLiteral("Command1"), methods);
}

QByteArray SampleSeries(int days)
{
    QByteArray text = "DATE\tTMIN\tTMAX\tRHMIN\tRHMAX\tRAD\tWIND\tELIOF\tRAIN\r\n";
    const QDate first(2001, 1, 1);
    for (int i = 0; i < days; ++i) {
        const QDate date = first.addDays(i);
        const double season = std::sin(2 * 3.14159265 * (date.dayOfYear() - 105) / 365.0); // -1 winter .. 1 summer
        const double T = 12 + 9 * season;                                                  // [°C]
        const double values[] = {T - 5 + (i % 3), T + 5 + (i % 4), 45 - 10 * season, 92 - 4 * season,
                                 15 + 10 * season, 1.5 + (i % 5) * 0.4, 7 + 4 * season, i % 7 == 0 ? 6.2 : 0};
        text += date.toString(QStringLiteral("dd/MM/yyyy")).toLatin1();
        for (const double v : values) text += '\t' + QByteArray::number(v, 'f', 1);
        text += "\r\n";
    }
    return text;
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll();
}

} // namespace etp::testing
