// Tools > Summary: the table shows the monthly and annual summary of the sheet as it is
// at each opening; Copy and Save hand over the sheet as it is when they are clicked;
// no dates, nothing to hand over.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "AppSession.h"
#include "SampleSeries.h"
#include "analysis/Summary.h"
#include "et/Methods.h"

using namespace etp;
using namespace etp::testing;

class TestSummaryDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { app_.reset(); }
    void init() { app_->ui.messages.clear(); }

    void copyAndSaveHandOverTheTable();
    void copyAndTheNextOpeningTakeTheSheetAsItIsNow();
    void withoutDatesThereIsNothingToSum();

private:
    QWidget* openSummary() { return app_->openDialog(QStringLiteral("summary"), QStringLiteral("SummaryDialog")); }
    static QString tableText(const QWidget* dialog) { return TableText(Child<QTableWidget>(dialog, QStringLiteral("TableSummary"))); }

    std::unique_ptr<AppSession> app_;
};

// 400 days from 1 January 2001 with PenMon: January 2001 to February 2002.
void TestSummaryDialog::initTestCase()
{
    app_ = std::make_unique<AppSession>();
    app_->openSample(app_->path("days.txt"), 400);
    app_->computeOnly(Method::PenMon);
    QCOMPARE(app_->cell(1, 10), QStringLiteral("PenMon"));
}

void TestSummaryDialog::copyAndSaveHandOverTheTable()
{
    QWidget* dialog = openSummary();
    QVERIFY(dialog && dialog->isVisible());
    QApplication::clipboard()->clear();
    app_->click(QStringLiteral("CmdCopy"), dialog);
    QCOMPARE(QApplication::clipboard()->text(), tableText(dialog));

    const QString path = app_->path("summary.txt");
    app_->ui.saveFiles.push_back(path.toStdString());
    app_->click(QStringLiteral("CmdSave"), dialog);
    QVERIFY(app_->ui.messages.empty());
    QCOMPARE(QString::fromUtf8(ReadBytes(path)), tableText(dialog));
}

// The dialog stays open while the sheet changes (rain typed into the grid, say); the
// next opening shows the sheet as it is then.
void TestSummaryDialog::copyAndTheNextOpeningTakeTheSheetAsItIsNow()
{
    QWidget* dialog = openSummary();
    const QString before = tableText(dialog);
    QCOMPARE(before, QString::fromStdString(SummaryText(Summarize(app_->workbench))));
    MeteoSheet& sheet = app_->workbench.sheet;
    const std::string rain(sheet.cellText(20, 9)); // RAIN of 19 January
    sheet.setCellText(20, 9, "123");
    app_->click(QStringLiteral("CmdCopy"), dialog);
    const QString now = QString::fromStdString(SummaryText(Summarize(app_->workbench)));
    QVERIFY(now != before);
    QCOMPARE(QApplication::clipboard()->text(), now);
    QCOMPARE(tableText(dialog), now);

    dialog->hide();
    sheet.setCellText(20, 9, rain);
    QVERIFY(openSummary() == dialog);
    QCOMPARE(tableText(dialog), before);
}

void TestSummaryDialog::withoutDatesThereIsNothingToSum()
{
    AppSession empty;
    empty.triggerAction(QStringLiteral("summary"));
    QWidget* dialog = empty.dialog(QStringLiteral("SummaryDialog"));
    QCOMPARE(Child<QTableWidget>(dialog, QStringLiteral("TableSummary"))->rowCount(), 0);
    QVERIFY(Child<QLabel>(dialog, QStringLiteral("LabelSummary"))->text().startsWith(QStringLiteral("No row holds a date")));
    for (const char* button : {"CmdCopy", "CmdSave"})
        QVERIFY(!Child<QPushButton>(dialog, QString::fromLatin1(button))->isEnabled());
}

QTEST_MAIN(TestSummaryDialog)
#include "SummaryDialogTest.moc"
