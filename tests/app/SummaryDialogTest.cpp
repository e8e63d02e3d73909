// Tools > Summary: the table shows the core's monthly and annual summary of the sheet as
// it is at each opening; Copy and Save hand over the sheet as it is when they are
// clicked; no dates, nothing to hand over.

#include "AppSession.h"
#include "analysis/Summary.h"
#include "et/Methods.h"

using namespace etp;
using namespace etp::testing;

class TestSummaryDialog : public QObject {
    Q_OBJECT
private slots:
    // 400 days from 1 January 2001 with PenMon. The dialog stays open while the sheet
    // changes (rain typed into the grid, say).
    void copySaveAndTheNextOpeningTakeTheSheetAsItIsNow()
    {
        AppSession app;
        app.openSample(app.path("days.txt"), 400);
        app.computeOnly(Method::PenMon);
        const auto summary = [&app] { return QString::fromStdString(SummaryText(Summarize(app.workbench))); };
        QWidget* dialog = app.openDialog(QStringLiteral("summary"), QStringLiteral("SummaryDialog"));
        const auto shown = [dialog] { return TableText(Child<QTableWidget>(dialog, QStringLiteral("TableSummary"))); };
        const QString before = shown();
        QCOMPARE(before, summary());

        MeteoSheet& sheet = app.workbench.sheet;
        const std::string rain(sheet.cellText(20, 9)); // RAIN of 19 January
        sheet.setCellText(20, 9, "123");
        QApplication::clipboard()->clear();
        app.click(QStringLiteral("CmdCopy"), dialog);
        QVERIFY(summary() != before);
        QCOMPARE(QApplication::clipboard()->text(), summary());
        QCOMPARE(shown(), summary());

        sheet.setCellText(20, 9, rain);
        const QString path = app.path("summary.txt");
        app.ui.saveFiles.push_back(path.toStdString());
        app.click(QStringLiteral("CmdSave"), dialog);
        QVERIFY(app.ui.messages.empty());
        QCOMPARE(QString::fromUtf8(ReadBytes(path)), before);

        dialog->hide();
        sheet.setCellText(20, 9, "123");
        QVERIFY(app.openDialog(QStringLiteral("summary"), QStringLiteral("SummaryDialog")) == dialog);
        QCOMPARE(shown(), summary());
    }

    void withoutDatesThereIsNothingToSum()
    {
        AppSession empty;
        QWidget* dialog = empty.openDialog(QStringLiteral("summary"), QStringLiteral("SummaryDialog"));
        QCOMPARE(Child<QTableWidget>(dialog, QStringLiteral("TableSummary"))->rowCount(), 0);
        QVERIFY(Child<QLabel>(dialog, QStringLiteral("LabelSummary"))->text().startsWith(QStringLiteral("No row holds a date")));
        for (const char* button : {"CmdCopy", "CmdSave"})
            QVERIFY(!Child<QPushButton>(dialog, QString::fromLatin1(button))->isEnabled());
    }
};

QTEST_MAIN(TestSummaryDialog)
#include "SummaryDialogTest.moc"
