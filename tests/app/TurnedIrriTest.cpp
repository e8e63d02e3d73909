// "Turned irrigation": the dialog as laid out, "Apply" watering the rain column and the
// grid, a refused text, and the close box that discards the dialog.
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "AppSession.h"

using namespace etp;
using namespace etp::testing;

namespace {

constexpr int kRain = 9; // RAIN, the sample's last column

// Sheet row of a day of the sample series, which starts on 1 January 2001 in row 2.
int RowOf(int month, int day) { return 2 + static_cast<int>(QDate(2001, 1, 1).daysTo(QDate(2001, month, day))); }

QStringList Lines(const QWidget* dialog)
{
    QStringList lines;
    const auto* list = Child<QListWidget>(dialog, QStringLiteral("ListApplied"));
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
}

} // namespace

class TestTurnedIrri : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void showsEveryControlWithItsInitialText();
    void applyWatersTheRainColumnAndListsTheWaterings();
    void applyUsesTheTypedTexts();
    void refusedTextShowsWhyAndChangesNothing();
    void reopeningKeepsTheTextsAndTheCloseBoxDiscardsThem();

private:
    QWidget* openDialog()
    {
        app_->triggerAction(QStringLiteral("turned"));
        return app_->dialog(QStringLiteral("TurnedIrri"));
    }
    QString text(const QWidget* dialog, const char* box) const
    {
        return Child<QLineEdit>(dialog, QString::fromLatin1(box))->text();
    }
    std::unique_ptr<AppSession> app_;
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestTurnedIrri::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    app_ = std::make_unique<AppSession>();
    app_->openSample(dir_->filePath(QStringLiteral("days.txt")), 365);
    app_->ui.messages.clear();
}

void TestTurnedIrri::cleanup()
{
    app_.reset();
    dir_.reset();
}

void TestTurnedIrri::showsEveryControlWithItsInitialText()
{
    QWidget* dialog = openDialog();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Turned irrigation"));
    const auto boxes = CheckLabelledBoxes(dialog, {
                                                      {"Text1", "Starting date", "Frame1", "01/07"},
                                                      {"Text2", "Ending date", "Frame1", "30/08"},
                                                      {"Text3", "Frequency (d)", "Frame2", "15"},
                                                      {"Text4", "Amount each (mm)", "Frame2", "50"},
                                                      {"Text5", "greater than (mm)", "Frame3", "50"},
                                                      {"Text6", "in \"n\" days before application", "Frame3", "4"},
                                                  });
    for (QLineEdit* box : boxes)
        QVERIFY(Child<QLabel>(dialog, QStringLiteral("Label_") + box->objectName())->buddy() == box);
    QCOMPARE(Child<QGroupBox>(dialog, QStringLiteral("Frame1"))->title(), QStringLiteral("Dates (i.e. 06/07)"));
    QCOMPARE(Child<QGroupBox>(dialog, QStringLiteral("Frame2"))->title(), QStringLiteral("Water"));
    QCOMPARE(Child<QGroupBox>(dialog, QStringLiteral("Frame3"))->title(), QStringLiteral("No irrigation if cumulated rain is"));
    QCOMPARE(Child<QLabel>(dialog, QStringLiteral("Label7"))->text(),
             QStringLiteral("The first irrigation day  is Starting date + Frequency"));
    QCOMPARE(Child<QPushButton>(dialog, QStringLiteral("Command1"))->text(), QStringLiteral("Apply"));
    QVERIFY(Lines(dialog).isEmpty());
}

// 16 July, 31 July, 15 and 30 August; the sample rains 6.2 mm every 7th day, 16 July
// among them, so no window reaches 50 mm and 16 July gets 50 on top of its rain.
void TestTurnedIrri::applyWatersTheRainColumnAndListsTheWaterings()
{
    QWidget* dialog = openDialog();
    auto* model = Child<QTableView>(app_->form.get(), QStringLiteral("Grid1"))->model();
    QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
    QSignalSpy reset(model, &QAbstractItemModel::modelReset);
    QCOMPARE(app_->cell(RowOf(7, 16), kRain), QStringLiteral("6.2"));

    app_->click(QStringLiteral("Command1"), dialog);

    QVERIFY(app_->ui.messages.empty());
    QCOMPARE(app_->cell(RowOf(7, 16), kRain), QStringLiteral("56.2"));
    for (const auto& [month, day] : {std::pair{7, 31}, {8, 15}, {8, 30}})
        QCOMPARE(app_->cell(RowOf(month, day), kRain), QStringLiteral("50"));
    QCOMPARE(app_->cell(RowOf(7, 15), kRain), QStringLiteral("0.0"));
    QCOMPARE(app_->cell(RowOf(8, 31), kRain), QStringLiteral("0.0"));
    // The grid is told: a reset, or a change that covers the rain cells.
    bool told = !reset.isEmpty();
    for (const QList<QVariant>& signal : changed) {
        const auto from = signal[0].value<QModelIndex>(), to = signal[1].value<QModelIndex>();
        told = told || (from.row() <= RowOf(7, 16) - 1 && to.row() >= RowOf(8, 30) - 1 && from.column() <= kRain - 1 &&
                        to.column() >= kRain - 1);
    }
    QVERIFY(told);

    QCOMPARE(Lines(dialog), (QStringList{"16/07/2001\t50 mm", "31/07/2001\t50 mm", "15/08/2001\t50 mm", "30/08/2001\t50 mm"}));
    QCOMPARE(Child<QLabel>(dialog, QStringLiteral("LabelApplied"))->text(),
             QStringLiteral("The last \"Apply\" watered 4 days, 200 mm in all:"));

    // Again, on the watered column: each window now holds its own 50 mm, so nothing is
    // added, and the list says so rather than keeping the first one.
    app_->click(QStringLiteral("Command1"), dialog);
    QCOMPARE(app_->cell(RowOf(7, 16), kRain), QStringLiteral("56.2"));
    QVERIFY(Lines(dialog).isEmpty());
    QCOMPARE(Child<QLabel>(dialog, QStringLiteral("LabelApplied"))->text(), QStringLiteral("The last \"Apply\" added no water."));
}

void TestTurnedIrri::applyUsesTheTypedTexts()
{
    QWidget* dialog = openDialog();
    app_->type(QStringLiteral("Text3"), QStringLiteral("30"), dialog);
    app_->type(QStringLiteral("Text4"), QStringLiteral("12.5"), dialog);
    app_->click(QStringLiteral("Command1"), dialog);
    QCOMPARE(Lines(dialog), (QStringList{"31/07/2001\t12.5 mm", "30/08/2001\t12.5 mm"}));
    QCOMPARE(app_->cell(RowOf(7, 31), kRain), QStringLiteral("12.5"));
    QCOMPARE(app_->cell(RowOf(7, 16), kRain), QStringLiteral("6.2"));
    QCOMPARE(Child<QLabel>(dialog, QStringLiteral("LabelApplied"))->text(),
             QStringLiteral("The last \"Apply\" watered 2 days, 25 mm in all:"));
}

void TestTurnedIrri::refusedTextShowsWhyAndChangesNothing()
{
    QWidget* dialog = openDialog();
    app_->click(QStringLiteral("Command1"), dialog); // a first list, which a refusal must not clear
    const QString before = app_->cell(RowOf(7, 31), kRain);
    const QStringList listed = Lines(dialog);
    auto* model = Child<QTableView>(app_->form.get(), QStringLiteral("Grid1"))->model();
    QSignalSpy changed(model, &QAbstractItemModel::dataChanged);

    app_->type(QStringLiteral("Text6"), QStringLiteral("15"), dialog); // not below the frequency
    app_->click(QStringLiteral("Command1"), dialog);

    QCOMPARE(app_->ui.messages.size(), std::size_t(1));
    QVERIFY2(app_->lastMessage().startsWith(QStringLiteral("ETP computation|in \"n\" days before application must be")),
             qPrintable(app_->lastMessage()));
    QCOMPARE(app_->cell(RowOf(7, 31), kRain), before);
    QCOMPARE(Lines(dialog), listed);
    QVERIFY(changed.isEmpty());
    QVERIFY(dialog->isVisible());
    QCOMPARE(text(dialog, "Text6"), QStringLiteral("15")); // kept, to be corrected
}

void TestTurnedIrri::reopeningKeepsTheTextsAndTheCloseBoxDiscardsThem()
{
    QWidget* dialog = openDialog();
    app_->type(QStringLiteral("Text1"), QStringLiteral("15/07"), dialog);
    QVERIFY(openDialog() == dialog);
    QCOMPARE(text(dialog, "Text1"), QStringLiteral("15/07"));

    dialog->close();
    QTRY_VERIFY(!app_->dialog(QStringLiteral("TurnedIrri")));
    QWidget* fresh = openDialog();
    QCOMPARE(text(fresh, "Text1"), QStringLiteral("01/07"));
    app_->click(QStringLiteral("Command1"), fresh); // the typed 15/07 is gone with its dialog
    QCOMPARE(Lines(fresh).constFirst(), QStringLiteral("16/07/2001\t50 mm"));

    QTest::keyClick(fresh, Qt::Key_Escape); // Escape closes as the close box does
    QTRY_VERIFY(!app_->dialog(QStringLiteral("TurnedIrri")));
}

QTEST_MAIN(TestTurnedIrri)
#include "TurnedIrriTest.moc"
