// "Turned irrigation" and "Irrigation function of ETP-rain": each box beside its caption
// feeds its own text, "Apply" waters the rain column, tells the grid and lists the
// waterings, a refused text changes nothing. How much is watered when: tests/irrigation;
// the close box: Form1Test.

#include "AppSession.h"

using namespace etp;
using namespace etp::testing;

namespace {

// Sheet row of a day of 2001, which starts on 1 January in row 2.
int RowOf(int month, int day) { return 2 + static_cast<int>(QDate(2001, 1, 1).daysTo(QDate(2001, month, day))); }

QStringList Lines(const QWidget* dialog)
{
    QStringList lines;
    const auto* list = Child<QListWidget>(dialog, QStringLiteral("ListApplied"));
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
}

// Whether the grid heard of a change to the cells of rows first..last of the column.
bool Told(const QSignalSpy& changed, const QSignalSpy& reset, int first, int last, int column)
{
    bool told = !reset.isEmpty();
    for (const QList<QVariant>& signal : changed) {
        const auto from = signal[0].value<QModelIndex>(), to = signal[1].value<QModelIndex>();
        told = told || (from.row() <= first - 1 && to.row() >= last - 1 && from.column() <= column - 1 && to.column() >= column - 1);
    }
    return told;
}

} // namespace

class TestIrrigationDialogs : public QObject {
    Q_OBJECT
private slots:
    void init() { app_ = std::make_unique<AppSession>(); }

    // 16 July, 31 July, 15 and 30 August; the sample rains 6.2 mm every 7th day, 16 July
    // among them, so no window reaches 50 mm and 16 July gets 50 on top of its rain.
    void turnedWatersTheRainColumnAndListsTheWaterings()
    {
        QWidget* dialog = openDialog(QStringLiteral("turned"));
        QSignalSpy changed(app_->grid()->model(), &QAbstractItemModel::dataChanged);
        QSignalSpy reset(app_->grid()->model(), &QAbstractItemModel::modelReset);
        app_->click(QStringLiteral("Command1"), dialog);
        QVERIFY(app_->ui.messages.empty());
        QCOMPARE(app_->cell(RowOf(7, 16), 9), QStringLiteral("56.2"));
        QVERIFY(Told(changed, reset, RowOf(7, 16), RowOf(8, 30), 9));
        QCOMPARE(Lines(dialog), (QStringList{"16/07/2001\t50 mm", "31/07/2001\t50 mm", "15/08/2001\t50 mm", "30/08/2001\t50 mm"}));
        QCOMPARE(Child<QLabel>(dialog, QStringLiteral("LabelApplied"))->text(),
                 QStringLiteral("The last \"Apply\" watered 4 days, 200 mm in all:"));

        // Again, on the watered column: each window now holds its own 50 mm, so nothing is
        // added, and the list says so rather than keeping the first one.
        app_->click(QStringLiteral("Command1"), dialog);
        QVERIFY(Lines(dialog).isEmpty());
        QCOMPARE(Child<QLabel>(dialog, QStringLiteral("LabelApplied"))->text(), QStringLiteral("The last \"Apply\" added no water."));
    }

    // The ET columns of the title row are offered when the dialog is created, the last one
    // selected. 2 mm a day of P-T from 6 June: 52 mm on 1 July gives back 75 % (39 mm);
    // 5 mm a day of PenMon: 55 mm on 16 June gives back 41.25 mm.
    void onDemandWatersWithTheChosenColumn()
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

    void refusedTextNamesItsBoxAndChangesNothing_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        for (const char* caption : {"Starting date", "Ending date", "Frequency (d)", "Amount each (mm)", "greater than (mm)",
                                    "in \"n\" days before application"})
            QTest::addRow("turned: %s", caption) << QStringLiteral("turned") << QString::fromLatin1(caption);
        for (const char* caption : {"Starting date", "Ending date", "ETP-rain  limit (mm)", "Restoring (%)"})
            QTest::addRow("on demand: %s", caption) << QStringLiteral("domanda") << QString::fromLatin1(caption);
    }

    // Each box's text reaches the check under the caption the box is shown beside; the
    // first list, the sheet and the text stay, to be corrected.
    void refusedTextNamesItsBoxAndChangesNothing()
    {
        QFETCH(QString, item);
        QFETCH(QString, caption);
        QWidget* dialog = openDialog(item);
        app_->click(QStringLiteral("Command1"), dialog);
        const QStringList listed = Lines(dialog);
        QVERIFY(!listed.isEmpty());
        QSignalSpy changed(app_->grid()->model(), &QAbstractItemModel::dataChanged);
        QSignalSpy reset(app_->grid()->model(), &QAbstractItemModel::modelReset);

        app_->type(BoxBesideCaption(dialog, caption)->objectName(), QStringLiteral("-1"), dialog);
        app_->click(QStringLiteral("Command1"), dialog);
        QCOMPARE(app_->ui.messages.size(), std::size_t(1));
        QVERIFY2(app_->lastMessage().startsWith(QStringLiteral("ETP computation|") + caption + QStringLiteral(" must be")),
                 qPrintable(app_->lastMessage()));
        QVERIFY(changed.isEmpty() && reset.isEmpty());
        QCOMPARE(Lines(dialog), listed);
        QVERIFY(dialog->isVisible());
        QCOMPARE(BoxBesideCaption(dialog, caption)->text(), QStringLiteral("-1"));
    }

private:
    // The sample series (rain column 9) for "turned"; for "domanda" 2001 without rain
    // (column 2), 5 mm a day of "PenMon" and 2 mm of "P-T", as if computed.
    QWidget* openDialog(const QString& item)
    {
        const bool turned = item == QStringLiteral("turned");
        if (app_->workbench.sheet.cellText(1, 1).empty()) {
            QByteArray dry = "DATE\tRAIN\tPenMon\tP-T\r\n";
            for (QDate day(2001, 1, 1); day.year() == 2001; day = day.addDays(1))
                dry += day.toString(QStringLiteral("dd/MM/yyyy")).toLatin1() + "\t0\t5\t2\r\n";
            if (turned) {
                app_->openSample(app_->path("days.txt"), 365);
            } else {
                WriteBytes(app_->path("dry.txt"), dry);
                app_->open(app_->path("dry.txt"));
                app_->type(QStringLiteral("Text1_0"), QStringLiteral("1")); // the date column
            }
            app_->ui.messages.clear();
        }
        return app_->openDialog(item, turned ? QStringLiteral("TurnedIrri") : QStringLiteral("Domirr"));
    }

    std::unique_ptr<AppSession> app_;
};

QTEST_MAIN(TestIrrigationDialogs)
#include "IrrigationDialogsTest.moc"
