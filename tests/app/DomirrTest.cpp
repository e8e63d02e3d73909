// "Irrigation function of ETP-rain": the dialog as laid out, the ET columns offered at
// creation, "Apply" with the chosen column, a refused text, and the close box that
// discards texts and choice.
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "AppSession.h"
#include "SampleSeries.h"

using namespace etp;
using namespace etp::testing;

namespace {

constexpr int kRain = 2;

// 2001 without rain, 5 mm a day of "PenMon" and 2 mm of "P-T", as if computed.
QByteArray DrySeries()
{
    QByteArray text = "DATE\tRAIN\tPenMon\tP-T\r\n";
    for (QDate day(2001, 1, 1); day.year() == 2001; day = day.addDays(1))
        text += day.toString(QStringLiteral("dd/MM/yyyy")).toLatin1() + "\t0\t5\t2\r\n";
    return text;
}

int RowOf(int month, int day) { return 2 + static_cast<int>(QDate(2001, 1, 1).daysTo(QDate(2001, month, day))); }

QStringList Lines(const QWidget* dialog)
{
    QStringList lines;
    const auto* list = Child<QListWidget>(dialog, QStringLiteral("ListApplied"));
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
}

QRadioButton* Option(const QWidget* dialog, int i)
{
    return Child<QRadioButton>(dialog, QStringLiteral("Option3_%1").arg(i));
}

// On the indicator, where a person clicks: the layout stretches the button beyond its text.
void Choose(QRadioButton* option) { QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, QPoint(6, option->height() / 2)); }

} // namespace

class TestDomirr : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void showsEveryControlAndOffersTheEtColumns();
    void withoutEtColumnTheChoiceIsDisabledAndApplyRefuses();
    void applyWatersWithTheChosenColumn();
    void refusedTextShowsWhyAndChangesNothing();
    void reopeningKeepsTheDialogAndTheCloseBoxDiscardsIt();

private:
    QWidget* openDialog()
    {
        app_->triggerAction(QStringLiteral("domanda"));
        return app_->dialog(QStringLiteral("Domirr"));
    }
    void openDrySeries()
    {
        const QString path = dir_->filePath(QStringLiteral("dry.txt"));
        WriteBytes(path, DrySeries());
        app_->open(path);
        app_->type(QStringLiteral("Text1_0"), QStringLiteral("1")); // the date column
        app_->ui.messages.clear();
    }
    QString text(const QWidget* dialog, const char* box) const
    {
        return Child<QLineEdit>(dialog, QString::fromLatin1(box))->text();
    }
    std::unique_ptr<AppSession> app_;
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestDomirr::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    app_ = std::make_unique<AppSession>();
}

void TestDomirr::cleanup()
{
    app_.reset();
    dir_.reset();
}

// The initial texts, and the ET columns of the title row in sheet order, the last one selected.
void TestDomirr::showsEveryControlAndOffersTheEtColumns()
{
    openDrySeries();
    QWidget* dialog = openDialog();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Irrigation function of ETP-rain"));
    CheckLabelledBoxes(dialog, {
                                   {"Text1", "Starting date", "Frame2", "06/06"},
                                   {"Text2", "Ending date", "Frame2", "09/09"},
                                   {"Text3", "ETP-rain  limit (mm)", "Frame3", "50"},
                                   {"Text4", "Restoring (%)", "Frame3", "75"},
                               });
    QCOMPARE(Child<QGroupBox>(dialog, QStringLiteral("Frame1"))->title(), QStringLiteral("select one of this methods"));
    QCOMPARE(Child<QGroupBox>(dialog, QStringLiteral("Frame2"))->title(), QStringLiteral("Setting date (i.e. 06/07)"));
    QCOMPARE(Child<QGroupBox>(dialog, QStringLiteral("Frame3"))->title(),
             QStringLiteral("Irrigation when (ETP-rain) exceed limit"));
    QVERIFY(Option(dialog, 0)->parentWidget()->objectName() == QStringLiteral("Frame1"));
    QVERIFY(Child<QGroupBox>(dialog, QStringLiteral("Frame1"))->isEnabled());
    QCOMPARE(Option(dialog, 0)->text(), QStringLiteral("PenMon"));
    QCOMPARE(Option(dialog, 1)->text(), QStringLiteral("P-T"));
    QVERIFY(!Option(dialog, 0)->isChecked() && Option(dialog, 1)->isChecked());
    for (int i = 0; i < 6; ++i) QCOMPARE(Option(dialog, i)->isVisible(), i < 2);
    QCOMPARE(Child<QPushButton>(dialog, QStringLiteral("Command1"))->text(), QStringLiteral("Apply"));
    QVERIFY(app_->ui.messages.empty());
}

void TestDomirr::withoutEtColumnTheChoiceIsDisabledAndApplyRefuses()
{
    app_->openSample(dir_->filePath(QStringLiteral("days.txt")), 200);
    app_->ui.messages.clear();
    QWidget* dialog = openDialog();
    QCOMPARE(app_->ui.messages, (std::vector<std::string>{"ETP computation|You dont have computed the ETP!!"}));
    QVERIFY(!Child<QGroupBox>(dialog, QStringLiteral("Frame1"))->isEnabled());
    const QStringList labels = {"PenFAO", "PFAOnocorr", "PenMon", "P-T", "PFAOrad", "PFAOsun"};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(Option(dialog, i)->text(), labels[i]);
        QVERIFY(!Option(dialog, i)->isChecked());
    }

    const QString rain = app_->cell(RowOf(7, 1), 9);
    app_->click(QStringLiteral("Command1"), dialog);
    QCOMPARE(app_->lastMessage(), QStringLiteral("ETP computation|You dont have computed the ETP!!"));
    QCOMPARE(app_->ui.messages.size(), std::size_t(2));
    QCOMPARE(app_->cell(RowOf(7, 1), 9), rain);
    QVERIFY(Lines(dialog).isEmpty());
}

// 2 mm a day from 6 June: 52 mm on 1 July, the 26th day, gives back 75 % (39 mm); 5 mm
// a day: 55 mm on 16 June, the 11th day, gives back 41.25 mm.
void TestDomirr::applyWatersWithTheChosenColumn()
{
    openDrySeries();
    QWidget* dialog = openDialog();
    app_->click(QStringLiteral("Command1"), dialog); // P-T, selected at creation
    QVERIFY(app_->ui.messages.empty());
    QCOMPARE(app_->ui.beeps, 1); // one column carries the label
    QCOMPARE(app_->cell(RowOf(6, 30), kRain), QStringLiteral("0"));
    QCOMPARE(app_->cell(RowOf(7, 1), kRain), QStringLiteral("39"));
    QStringList lines = Lines(dialog);
    QCOMPARE(lines.size(), 3); // 1 July, 27 July, 22 August
    QCOMPARE(lines.constFirst(), QStringLiteral("01/07/2001\t39 mm"));
    QCOMPARE(Child<QLabel>(dialog, QStringLiteral("LabelApplied"))->text(),
             QStringLiteral("The last \"Apply\" watered 3 days, 117 mm in all:"));

    Choose(Option(dialog, 0)); // PenMon
    QVERIFY(Option(dialog, 0)->isChecked() && !Option(dialog, 1)->isChecked());
    app_->click(QStringLiteral("Command1"), dialog);
    lines = Lines(dialog);
    QCOMPARE(lines.mid(0, 2), (QStringList{"16/06/2001\t41.25 mm", "27/06/2001\t41.25 mm"}));
    QCOMPARE(app_->cell(RowOf(6, 16), kRain), QStringLiteral("41.25"));
}

void TestDomirr::refusedTextShowsWhyAndChangesNothing()
{
    openDrySeries();
    QWidget* dialog = openDialog();
    app_->type(QStringLiteral("Text4"), QStringLiteral("150"), dialog);
    app_->click(QStringLiteral("Command1"), dialog);
    QCOMPARE(app_->ui.messages.size(), std::size_t(1));
    QVERIFY2(app_->lastMessage().startsWith(QStringLiteral("ETP computation|Restoring (%) must be")),
             qPrintable(app_->lastMessage()));
    for (int row = RowOf(6, 6); row <= RowOf(9, 9); ++row) QCOMPARE(app_->cell(row, kRain), QStringLiteral("0"));
    QVERIFY(Lines(dialog).isEmpty());
    QCOMPARE(text(dialog, "Text4"), QStringLiteral("150"));
}

void TestDomirr::reopeningKeepsTheDialogAndTheCloseBoxDiscardsIt()
{
    openDrySeries();
    QWidget* dialog = openDialog();
    Choose(Option(dialog, 0));
    app_->type(QStringLiteral("Text3"), QStringLiteral("20"), dialog);
    // A column computed meanwhile is not offered by the open dialog...
    auto* model = Child<QTableView>(app_->form.get(), QStringLiteral("Grid1"))->model();
    QVERIFY(model->setData(model->index(0, 4), QStringLiteral("PenFAO")));
    QVERIFY(openDialog() == dialog);
    QVERIFY(!Option(dialog, 2)->isVisible());
    QVERIFY(Option(dialog, 0)->isChecked());
    QCOMPARE(text(dialog, "Text3"), QStringLiteral("20"));

    // ...but by the one the next opening creates, with the initial texts.
    dialog->close();
    QTRY_VERIFY(!app_->dialog(QStringLiteral("Domirr")));
    QWidget* fresh = openDialog();
    QCOMPARE(text(fresh, "Text3"), QStringLiteral("50"));
    QCOMPARE(Option(fresh, 2)->text(), QStringLiteral("PenFAO"));
    QVERIFY(Option(fresh, 2)->isVisible() && Option(fresh, 2)->isChecked());
    QVERIFY(!Option(fresh, 0)->isChecked());
}

QTEST_MAIN(TestDomirr)
#include "DomirrTest.moc"
