// Not a test: runs the program over a station file (or a generated series), computes,
// and writes a PNG of the main window and of each dialog, for the documentation.
//
//   etp-gui-screenshots OUTPUT_DIR [STATION_FILE]
//
// Run it on a real display or under Xvfb, so that the pictures use the real fonts; with
// QT_SCALE_FACTOR=1.5 for the pictures at 150 %.
#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QWindow>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "AppSession.h"
#include "app/WindowFit.h"
#include "sheet/DateParts.h"

using namespace etp;
using namespace etp::testing;

namespace {

bool Save(QWidget* window, const QDir& out, const QString& name)
{
    QCoreApplication::processEvents();
    const QString file = out.filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

// Opens a window by its menu item, presses its "Apply" first if asked, and saves it.
bool Shoot(AppSession& app, const char* item, const char* name, const QDir& out, bool apply = false)
{
    app.triggerAction(QString::fromLatin1(item));
    const QPointer<QWidget> dialog = app.dialog(QString::fromLatin1(name));
    if (!dialog) return false;
    if (apply) app.click(QStringLiteral("Command1"), dialog);
    // Waits until the window system shows it; a dialog closed meanwhile is no picture.
    const bool exposed = QTest::qWaitFor(
        [&dialog] { return !dialog || (dialog->windowHandle() && dialog->windowHandle()->isExposed()); });
    if (!dialog || !exposed || !dialog->isVisible()) {
        std::fprintf(stderr, "%s was not shown\n", name);
        return false;
    }
    const bool saved = Save(dialog, out, QString::fromLatin1(name));
    dialog->hide();
    return saved;
}

// Irrigation > Crop water balance after Run: maize on a sandy loam from 20 April of the
// sheet's first year, watered whenever the depletion reaches RAW.
bool ShootCropBalance(AppSession& app, const QDir& out)
{
    app.triggerAction(QStringLiteral("cropbalance"));
    QWidget* dialog = app.dialog(QStringLiteral("CropBalanceDialog"));
    const auto first = DateParts(app.cell(2, app.box(0).toInt()).toStdString());
    if (!dialog || !first) return false;
    app.type(QStringLiteral("Text_planting"), QStringLiteral("20/04/%1").arg(first->Year), dialog);
    ClickIndicator(Child<QRadioButton>(dialog, QStringLiteral("OptionRaw")));
    app.click(QStringLiteral("CmdRun"), dialog);
    if (!QTest::qWaitFor([dialog] { return dialog->windowHandle() && dialog->windowHandle()->isExposed(); })) return false;
    const bool saved = Save(dialog, out, QStringLiteral("CropBalanceDialog"));
    dialog->hide();
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: etp-gui-screenshots OUTPUT_DIR [STATION_FILE]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) return 1;

    const QTemporaryDir scratch;
    AppSession app;
    app.form->resize(1270, 820);
    FitWindow(*app.form, app.form->screen()->availableGeometry()); // at 150 % the screen is smaller
    if (argc > 2) {
        app.open(QString::fromLocal8Bit(argv[2]));
        app.click(QStringLiteral("CmdAutoFind"));
        app.setStation(QStringLiteral("45"), QStringLiteral("100"));
    } else {
        app.openSample(scratch.filePath(QStringLiteral("sample.txt")), 730);
    }
    for (const Method k : {Method::PenFao, Method::PenMon, Method::PriestleyTaylor, Method::Hargreaves, Method::Turc,
                           Method::PotentialRadiation})
        app.tick(k);
    app.click(QStringLiteral("Command1"));

    bool ok = Save(app.form.get(), out, QStringLiteral("Form1"));
    const std::pair<const char*, const char*> dialogs[] = {{"station", "Form3"},
                                                           {"combination", "Form2"},
                                                           {"Other_Methods", "frmOthermet"},
                                                           {"Standard_Methods", "frmStandard"},
                                                           {"OpzHargr", "FormOpzHarg"},
                                                           {"OpzMissing", "FormMissing"},
                                                           {"about", "frmAbout"},
                                                           {"creams", "Form4"},
                                                           {"leachm", "Form5"},
                                                           {"macro", "form6"}};
    for (const auto& [item, name] : dialogs) ok = Shoot(app, item, name, out) && ok;
    // The crop water balance of the guide's maize, irrigated at RAW, before the other
    // irrigations water the rain column.
    ok = ShootCropBalance(app, out) && ok;
    // Both irrigations with their initial texts, so that the dialogs list what they
    // added; the chart and the summary then show rain with irrigation.
    ok = Shoot(app, "domanda", "Domirr", out, true) && ok;
    ok = Shoot(app, "turned", "TurnedIrri", out, true) && ok;
    ok = Shoot(app, "chart", "ChartDialog", out) && ok;
    ok = Shoot(app, "summary", "SummaryDialog", out) && ok;
    // Two cells spoiled by hand, so that the data check has something to find.
    auto* sheet = Child<QTableView>(app.form.get(), QStringLiteral("Grid1"))->model();
    sheet->setData(sheet->index(40, app.box(2).toInt() - 1), QString());
    sheet->setData(sheet->index(100, app.box(4).toInt() - 1), QStringLiteral("104"));
    ok = Shoot(app, "checkdata", "DataCheckDialog", out) && ok;
    for (const std::string& message : app.ui.messages) std::fprintf(stderr, "message: %s\n", message.c_str());
    return ok && app.ui.messages.empty() ? 0 : 1;
}
