#pragma once
// One run of the desktop program for a test: a main window over its own workbench,
// driven through objectNames, with a scripted person answering every box; and the
// sample station series the tests open.
#include <QtTest>
#include <QtWidgets>
#include <memory>
#include <stdexcept>

#include "app/MainWindow.h"
#include "et/Methods.h"
#include "support/ScriptedUserInterface.h"
#include "workbench/Workbench.h"

namespace etp::testing {

// A daily station series as the program reads it: titles DATE TMIN TMAX RHMIN RHMAX
// RAD WIND ELIOF RAIN, TAB between fields, CR LF after each line, days from 1 January
// 2001. Smooth seasonal weather: radiation in MJ m-2 (below 50), wind in m s-1 (below
// 80), sunshine in hours (below 24), so auto finding picks those units.
QByteArray SampleSeries(int days);
// Writes bytes to path, reads them back; throws when it cannot.
void WriteBytes(const QString& path, const QByteArray& bytes);
QByteArray ReadBytes(const QString& path);

// The child with that objectName, or an exception that fails the test.
template <typename T>
T* Child(const QObject* parent, const QString& name)
{
    T* child = parent->findChild<T*>(name);
    if (!child) throw std::runtime_error("no child named " + name.toStdString());
    return child;
}

// A person's click on a check box or an option button, on its indicator.
void ClickIndicator(QAbstractButton* button);

// A table as TAB-separated lines, its header first, each line ending in a line feed.
QString TableText(const QTableWidget* table);

// The text box that the label with that text stands for, as a person finds it.
QLineEdit* BoxBesideCaption(const QWidget* dialog, const QString& caption);

// The tests' own settings, never the person's: QSettings under Qt's test locations and a
// test organisation. A session starts with none unless it is a later run of the program.
enum class Settings { Fresh, KeptFromTheLastRun };

class AppSession {
public:
    explicit AppSession(Settings settings = Settings::Fresh);

    // Chooses a menu item; it must exist and be enabled.
    void triggerAction(const QString& name);
    // Left click on the named button of the main window or of the given window.
    void click(const QString& button, const QWidget* window = nullptr)
    {
        QTest::mouseClick(Child<QAbstractButton>(window ? window : form.get(), button), Qt::LeftButton);
    }
    // Types into a line edit as a person does: select all, then the keys.
    void type(const QString& box, const QString& text, const QWidget* window = nullptr);
    // A dialog of the main window; null while it has not been created.
    QWidget* dialog(const QString& name) const { return form->findChild<QWidget*>(name); }
    // Chooses the menu item, then returns the dialog of that name.
    QWidget* openDialog(const QString& item, const QString& name) { triggerAction(item); return dialog(name); }
    QTableView* grid() const { return Child<QTableView>(form.get(), QStringLiteral("Grid1")); }
    // A file of this session's own scratch folder.
    QString path(const char* name) const { return scratch.filePath(QString::fromLatin1(name)); }
    // Status panel 1..4; column box Text1_<index>.
    QString panel(int number) const { return Child<QLabel>(form.get(), QStringLiteral("StatusBar1_%1").arg(number))->text(); }
    QString box(int index) const { return Child<QLineEdit>(form.get(), QStringLiteral("Text1_%1").arg(index))->text(); }
    // Sheet cell by sheet numbering (row 1 = titles), read through Grid1's model.
    QString cell(int row, int column) const { return grid()->model()->index(row - 1, column - 1).data().toString(); }
    // Edits a sheet cell through Grid1's model, as a person typing into the grid does.
    void setCell(int row, int column, const QString& text);
    // The last message or question shown, "title|text"; empty when none.
    QString lastMessage() const { return ui.messages.empty() ? QString() : QString::fromStdString(ui.messages.back()); }

    // Opens a file through "&Open" with the scripted file chooser.
    void open(const QString& path) { ui.openFiles.push_back(path.toStdString()); triggerAction(QStringLiteral("open")); }
    // Types latitude and altitude into the station dialog and presses its "OK".
    void setStation(const QString& latitude, const QString& altitude);
    // Writes a sample series of that many days, opens it, runs "Try auto finding" and
    // states a station at 45° N, 100 m.
    void openSample(const QString& path, int days);
    // Ticks the method in its dialog, opening it by its menu item.
    void tick(Method method);
    // Computes that method alone ("Command1" of the main window).
    void computeOnly(Method method);

    QTemporaryDir scratch;
    Workbench workbench;
    ScriptedUserInterface ui;
    std::unique_ptr<MainWindow> form;
};

} // namespace etp::testing
