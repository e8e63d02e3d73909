// "Turned irrigation" and "Irrigation function of ETP-rain": each box beside its caption
// feeds its own text, "Apply" waters the rain column, tells the grid and lists the
// waterings, a refused text changes nothing, reopening keeps the dialog and the close
// box discards it.
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "AppSession.h"
#include "SampleSeries.h"

using namespace etp;
using namespace etp::testing;

namespace {

// 2001 without rain, 5 mm a day of "PenMon" and 2 mm of "P-T", as if computed.
QByteArray DrySeries()
{
    QByteArray text = "DATE\tRAIN\tPenMon\tP-T\r\n";
    for (QDate day(2001, 1, 1); day.year() == 2001; day = day.addDays(1))
        text += day.toString(QStringLiteral("dd/MM/yyyy")).toLatin1() + "\t0\t5\t2\r\n";
    return text;
}

// Sheet row of a day of 2001, which starts on 1 January in row 2.
int RowOf(int month, int day) { return 2 + static_cast<int>(QDate(2001, 1, 1).daysTo(QDate(2001, month, day))); }

QStringList Lines(const QWidget* dialog)
{
    QStringList lines;
    const auto* list = Child<QListWidget>(dialog, QStringLiteral("ListApplied"));
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
}

QString Applied(const QWidget* dialog) { return Child<QLabel>(dialog, QStringLiteral("LabelApplied"))->text(); }

} // namespace

class TestIrrigationDialogs : public QObject {
    Q_OBJECT
private slots:
    void init() { app_ = std::make_unique<AppSession>(); }

    void turnedWatersTheRainColumnAndListsTheWaterings();
    void onDemandWatersWithTheChosenColumn();
    void refusedTextNamesItsBoxAndChangesNothing_data();
    void refusedTextNamesItsBoxAndChangesNothing();
    void reopeningKeepsTheTextsAndTheCloseBoxDiscardsThem_data();
    void reopeningKeepsTheTextsAndTheCloseBoxDiscardsThem();

private:
    // The sample series (rain column 9) for "turned", the dry one (rain column 2) for "domanda".
    QWidget* openDialog(const QString& item)
    {
        const bool turned = item == QStringLiteral("turned");
        if (app_->workbench.sheet.cellText(1, 1).empty()) {
            if (turned) {
                app_->openSample(app_->path("days.txt"), 365);
            } else {
                WriteBytes(app_->path("dry.txt"), DrySeries());
                app_->open(app_->path("dry.txt"));
                app_->type(QStringLiteral("Text1_0"), QStringLiteral("1")); // the date column
            }
            app_->ui.messages.clear();
        }
        return app_->openDialog(item, turned ? QStringLiteral("TurnedIrri") : QStringLiteral("Domirr"));
    }
    void type(QWidget* dialog, const QString& caption, const QString& text)
    {
        app_->type(BoxBesideCaption(dialog, caption)->objectName(), text, dialog);
    }

    std::unique_ptr<AppSession> app_;
};

// 16 July, 31 July, 15 and 30 August; the sample rains 6.2 mm every 7th day, 16 July
// among them, so no window reaches 50 mm and 16 July gets 50 on top of its rain.
void TestIrrigationDialogs::turnedWatersTheRainColumnAndListsTheWaterings()
{
    constexpr int kRain = 9;
    QWidget* dialog = openDialog(QStringLiteral("turned"));
    auto* model = app_->grid()->model();
    QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
    QSignalSpy reset(model, &QAbstractItemModel::modelReset);

    app_->click(QStringLiteral("Command1"), dialog);
    QVERIFY(app_->ui.messages.empty());
    QCOMPARE(app_->cell(RowOf(7, 16), kRain), QStringLiteral("56.2"));
    // The grid is told: a reset, or a change that covers the rain cells.
    bool told = !reset.isEmpty();
    for (const QList<QVariant>& signal : changed) {
        const auto from = signal[0].value<QModelIndex>(), to = signal[1].value<QModelIndex>();
        told = told || (from.row() <= RowOf(7, 16) - 1 && to.row() >= RowOf(8, 30) - 1 && from.column() <= kRain - 1 &&
                        to.column() >= kRain - 1);
    }
    QVERIFY(told);
    QCOMPARE(Lines(dialog), (QStringList{"16/07/2001\t50 mm", "31/07/2001\t50 mm", "15/08/2001\t50 mm", "30/08/2001\t50 mm"}));
    QCOMPARE(Applied(dialog), QStringLiteral("The last \"Apply\" watered 4 days, 200 mm in all:"));

    // Again, on the watered column: each window now holds its own 50 mm, so nothing is
    // added, and the list says so rather than keeping the first one.
    app_->click(QStringLiteral("Command1"), dialog);
    QVERIFY(Lines(dialog).isEmpty());
    QCOMPARE(Applied(dialog), QStringLiteral("The last \"Apply\" added no water."));
}

// The ET columns of the title row are offered when the dialog is created, the last one
// selected. 2 mm a day of P-T from 6 June: 52 mm on 1 July gives back 75 % (39 mm);
// 5 mm a day of PenMon: 55 mm on 16 June gives back 41.25 mm (the values: core tests).
void TestIrrigationDialogs::onDemandWatersWithTheChosenColumn()
{
    QWidget* dialog = openDialog(QStringLiteral("domanda"));
    auto* penMon = Child<QRadioButton>(dialog, QStringLiteral("Option3_0"));
    QCOMPARE(penMon->text(), QStringLiteral("PenMon"));
    QVERIFY(Child<QRadioButton>(dialog, QStringLiteral("Option3_1"))->isChecked());
    app_->click(QStringLiteral("Command1"), dialog);
    QVERIFY(app_->ui.messages.empty());
    QCOMPARE(app_->cell(RowOf(7, 1), 2), QStringLiteral("39"));
    QCOMPARE(Lines(dialog).constFirst(), QStringLiteral("01/07/2001\t39 mm"));

    ClickIndicator(penMon);
    app_->click(QStringLiteral("Command1"), dialog);
    QCOMPARE(Lines(dialog).constFirst(), QStringLiteral("16/06/2001\t41.25 mm"));
}

void TestIrrigationDialogs::refusedTextNamesItsBoxAndChangesNothing_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    for (const char* caption : {"Starting date", "Ending date", "Frequency (d)", "Amount each (mm)", "greater than (mm)",
                                "in \"n\" days before application"})
        QTest::addRow("turned: %s", caption) << QStringLiteral("turned") << QString::fromLatin1(caption);
    for (const char* caption : {"Starting date", "Ending date", "ETP-rain  limit (mm)", "Restoring (%)"})
        QTest::addRow("on demand: %s", caption) << QStringLiteral("domanda") << QString::fromLatin1(caption);
}

// Each box's text reaches the check under the caption the box is shown beside.
void TestIrrigationDialogs::refusedTextNamesItsBoxAndChangesNothing()
{
    QFETCH(QString, item);
    QFETCH(QString, caption);
    QWidget* dialog = openDialog(item);
    app_->click(QStringLiteral("Command1"), dialog); // a first list, which a refusal must not clear
    const QStringList listed = Lines(dialog);
    QVERIFY(!listed.isEmpty());
    auto* model = app_->grid()->model();
    QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
    QSignalSpy reset(model, &QAbstractItemModel::modelReset);

    type(dialog, caption, QStringLiteral("-1"));
    app_->click(QStringLiteral("Command1"), dialog);
    QCOMPARE(app_->ui.messages.size(), std::size_t(1));
    QVERIFY2(app_->lastMessage().startsWith(QStringLiteral("ETP computation|") + caption + QStringLiteral(" must be")),
             qPrintable(app_->lastMessage()));
    QVERIFY(changed.isEmpty() && reset.isEmpty());
    QCOMPARE(Lines(dialog), listed);
    QVERIFY(dialog->isVisible());
    QCOMPARE(BoxBesideCaption(dialog, caption)->text(), QStringLiteral("-1")); // kept, to be corrected
}

void TestIrrigationDialogs::reopeningKeepsTheTextsAndTheCloseBoxDiscardsThem_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("initial"); // of the first box, "Starting date"
    QTest::newRow("turned") << QStringLiteral("turned") << QStringLiteral("TurnedIrri") << QStringLiteral("01/07");
    QTest::newRow("on demand") << QStringLiteral("domanda") << QStringLiteral("Domirr") << QStringLiteral("06/06");
}

void TestIrrigationDialogs::reopeningKeepsTheTextsAndTheCloseBoxDiscardsThem()
{
    QFETCH(QString, item);
    QFETCH(QString, name);
    QFETCH(QString, initial);
    const QString caption = QStringLiteral("Starting date");
    QWidget* dialog = openDialog(item);
    QCOMPARE(BoxBesideCaption(dialog, caption)->text(), initial);
    type(dialog, caption, QStringLiteral("15/07"));
    QVERIFY(openDialog(item) == dialog);
    QCOMPARE(BoxBesideCaption(dialog, caption)->text(), QStringLiteral("15/07"));

    dialog->close();
    QTRY_VERIFY(!app_->dialog(name));
    QWidget* fresh = openDialog(item);
    QCOMPARE(BoxBesideCaption(fresh, caption)->text(), initial);
    QTest::keyClick(fresh, Qt::Key_Escape); // Escape closes as the close box does
    QTRY_VERIFY(!app_->dialog(name));
}

QTEST_MAIN(TestIrrigationDialogs)
#include "IrrigationDialogsTest.moc"
