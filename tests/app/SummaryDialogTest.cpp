// Tools > Summary: the monthly and annual table against sums the test makes from the
// grid itself, the clipboard text, the saved file, and irrigation counted as rain.
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "AppSession.h"
#include "SampleSeries.h"
#include "et/Methods.h"

using namespace etp;
using namespace etp::testing;

namespace {

constexpr int kDays = 400; // 1 January 2001 to 4 February 2002
constexpr int kRain = 9, kPenMon = 10;

} // namespace

class TestSummaryDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void sumsAndMeansMatchTheGridPerMonthAndYear();
    void copyPutsTheTableOnTheClipboard();
    void saveWritesWhatCopyCopies();
    void irrigationCountsAsRainAtTheNextOpening();
    void withoutDatesThereIsNothingToSum();

private:
    QWidget* openSummary()
    {
        app_->triggerAction(QStringLiteral("summary"));
        return app_->dialog(QStringLiteral("SummaryDialog"));
    }
    // Sum of a column over the rows whose date starts with period ("2001-03" or "2001").
    double gridSum(int column, const QString& period, int* days = nullptr) const;
    // The table's field in the line of that period, under that header.
    QString field(const QWidget* dialog, const QString& period, const QString& header) const;
    QString tableText(const QWidget* dialog) const;

    std::unique_ptr<AppSession> app_;
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestSummaryDialog::initTestCase()
{
    dir_ = std::make_unique<QTemporaryDir>();
    app_ = std::make_unique<AppSession>();
    app_->openSample(dir_->filePath(QStringLiteral("days.txt")), kDays);
    app_->tick(MethodPenMon);
    app_->click(QStringLiteral("Command1"));
    QCOMPARE(app_->cell(1, kPenMon), QStringLiteral("PenMon"));
}

void TestSummaryDialog::cleanupTestCase()
{
    app_.reset();
    dir_.reset();
}

void TestSummaryDialog::init() { app_->ui.messages.clear(); }

double TestSummaryDialog::gridSum(int column, const QString& period, int* days) const
{
    double sum = 0;
    int count = 0;
    for (int row = 2; row < 2 + kDays; ++row) {
        const QDate date = QDate::fromString(app_->cell(row, 1), QStringLiteral("dd/MM/yyyy"));
        if (!date.toString(QStringLiteral("yyyy-MM")).startsWith(period)) continue;
        sum += app_->cell(row, column).toDouble();
        ++count;
    }
    if (days) *days = count;
    return sum;
}

QString TestSummaryDialog::field(const QWidget* dialog, const QString& period, const QString& header) const
{
    const auto* table = Child<QTableWidget>(dialog, QStringLiteral("TableSummary"));
    int column = -1;
    for (int k = 0; k < table->columnCount(); ++k)
        if (table->horizontalHeaderItem(k)->text() == header) column = k;
    for (int line = 0; line < table->rowCount(); ++line)
        if (column >= 0 && table->item(line, 0)->text() == period) return table->item(line, column)->text();
    return QStringLiteral("(no %1 / %2)").arg(period, header);
}

QString TestSummaryDialog::tableText(const QWidget* dialog) const
{
    const auto* table = Child<QTableWidget>(dialog, QStringLiteral("TableSummary"));
    QStringList lines, header;
    for (int k = 0; k < table->columnCount(); ++k) header << table->horizontalHeaderItem(k)->text();
    lines << header.join(QLatin1Char('\t'));
    for (int line = 0; line < table->rowCount(); ++line) {
        QStringList fields;
        for (int k = 0; k < table->columnCount(); ++k) fields << table->item(line, k)->text();
        lines << fields.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void TestSummaryDialog::sumsAndMeansMatchTheGridPerMonthAndYear()
{
    QWidget* dialog = openSummary();
    QVERIFY(dialog && dialog->isVisible());
    const auto* table = Child<QTableWidget>(dialog, QStringLiteral("TableSummary"));
    QCOMPARE(table->rowCount(), 14 + 2); // January 2001 to February 2002, then the two years
    QCOMPARE(table->item(13, 0)->text(), QStringLiteral("2002-02"));
    QCOMPARE(table->item(14, 0)->text(), QStringLiteral("2001"));

    for (const char* period : {"2001-02", "2001-07", "2002-02", "2001", "2002"}) {
        const QString p = QString::fromLatin1(period);
        int days = 0;
        const double rain = gridSum(kRain, p, &days);
        const double et = gridSum(kPenMon, p);
        QCOMPARE(field(dialog, p, QStringLiteral("days")).toInt(), days);
        // Two decimals shown: within half a hundredth.
        QVERIFY2(qAbs(field(dialog, p, QStringLiteral("RAIN sum")).toDouble() - rain) <= 0.005, period);
        QVERIFY2(qAbs(field(dialog, p, QStringLiteral("PenMon sum")).toDouble() - et) <= 0.005, period);
        QVERIFY2(qAbs(field(dialog, p, QStringLiteral("PenMon mean")).toDouble() - et / days) <= 0.005, period);
        QVERIFY(et > 0.2 * days); // the column was read, not zeros
    }
    QCOMPARE(field(dialog, QStringLiteral("2002"), QStringLiteral("days")), QStringLiteral("35"));
}

void TestSummaryDialog::copyPutsTheTableOnTheClipboard()
{
    QWidget* dialog = openSummary();
    QApplication::clipboard()->clear();
    app_->click(QStringLiteral("CmdCopy"), dialog);
    const QString copied = QApplication::clipboard()->text();
    QVERIFY(copied.startsWith(QStringLiteral("period\tdays\tRAIN sum\tRAIN mean\tPenMon sum\tPenMon mean\n")));
    QCOMPARE(copied, tableText(dialog));
}

void TestSummaryDialog::saveWritesWhatCopyCopies()
{
    QWidget* dialog = openSummary();
    const QString path = dir_->filePath(QStringLiteral("summary.txt"));
    app_->ui.saveFiles.push_back(path.toStdString());
    app_->click(QStringLiteral("CmdSave"), dialog);
    QVERIFY(app_->ui.messages.empty());
    QCOMPARE(QString::fromUtf8(ReadBytes(path)), tableText(dialog));
}

void TestSummaryDialog::irrigationCountsAsRainAtTheNextOpening()
{
    QWidget* dialog = openSummary();
    const double before = field(dialog, QStringLiteral("2001-08"), QStringLiteral("RAIN sum")).toDouble();
    dialog->hide();
    app_->triggerAction(QStringLiteral("turned")); // 15 and 30 August, 50 mm each
    app_->click(QStringLiteral("Command1"), app_->dialog(QStringLiteral("TurnedIrri")));
    openSummary();
    QCOMPARE(field(dialog, QStringLiteral("2001-08"), QStringLiteral("RAIN sum")).toDouble(), before + 100);
    app_->dialog(QStringLiteral("TurnedIrri"))->close();
}

void TestSummaryDialog::withoutDatesThereIsNothingToSum()
{
    AppSession empty;
    empty.triggerAction(QStringLiteral("summary"));
    QWidget* dialog = empty.dialog(QStringLiteral("SummaryDialog"));
    QCOMPARE(Child<QTableWidget>(dialog, QStringLiteral("TableSummary"))->rowCount(), 0);
    QVERIFY(Child<QLabel>(dialog, QStringLiteral("LabelSummary"))->text().startsWith(QStringLiteral("No row holds a date")));
    QVERIFY(!Child<QPushButton>(dialog, QStringLiteral("CmdSave"))->isEnabled());
}

QTEST_MAIN(TestSummaryDialog)
#include "SummaryDialogTest.moc"
