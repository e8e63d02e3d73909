// etp_gui_bench STATION [RUNS]   times the desktop program on a station file, driving its
//                                real widgets by objectName on whatever platform Qt is given
//                                (bench/gui.sh sets offscreen). Each stage runs RUNS times
//                                (at least 5); the last line gives the medians:
//                                "open N ms, compute N ms, chart N ms, summary N ms".
//   open     File > Open to Grid1 painted with the new sheet;
//   compute  "Compute" with every method the columns allow to Grid1 painted again;
//   chart    Tools > Chart to the first paint of the chart view;
//   summary  Tools > Summary to the first paint of its table.
// ETP_GUI_BENCH_RUNS set: every run of each stage too, a line a stage.
// The chart and summary windows are discarded after each run, so each run builds them
// afresh as the first opening of a session does.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/UserInterface.h"
#include "app/MainWindow.h"
#include "workbench/Workbench.h"

namespace {

// Opens the station file, discards the last run's results when asked, answers every other
// question with OK and shows each message on standard error, so that a refusal does not
// pass for a fast run.
class BenchUserInterface final : public etp::UserInterface {
public:
    explicit BenchUserInterface(std::string station) : station_(std::move(station)) {}
    void message(const std::string& text, const std::string& title, etp::Icon) override
    {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    }
    etp::Answer question(const std::string&, const std::string&, etp::Icon, etp::Buttons buttons) override
    {
        return buttons == etp::Buttons::SaveDiscardCancel ? etp::Answer::Discard : etp::Answer::Ok;
    }
    std::optional<std::string> inputText(const std::string&, const std::string&, const std::string&) override { return {}; }
    std::optional<std::string> chooseOpenFile(const std::string&, const std::string&) override { return station_; }
    std::optional<std::string> chooseSaveFile(const std::string&, const std::string&) override { return {}; }
    void beep() override {}

protected:
    void showPointer(etp::Pointer) override {}

private:
    std::string station_;
};

template <typename T>
T* Child(const QObject* parent, const QString& name)
{
    T* child = parent->findChild<T*>(name);
    if (!child) throw std::runtime_error("no child named " + name.toStdString());
    return child;
}

// Counts the paint events a widget receives, so a stage can end at the first one.
class PaintWatch final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    int paints = 0;
};

// Runs `action`, then lets the event loop run until `painted()` names a widget that has
// been painted since; the milliseconds from the start of the action.
double TimeToPaint(const std::function<void()>& action, const std::function<QWidget*()>& painted)
{
    PaintWatch watch;
    QElapsedTimer clock;
    clock.start();
    action();
    QWidget* widget = painted();
    widget->installEventFilter(&watch);
    while (watch.paints == 0) {
        if (clock.elapsed() > 60000) throw std::runtime_error("no paint within a minute");
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    widget->removeEventFilter(&watch);
    return ms;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void Trigger(const QWidget& form, const char* item)
{
    QAction* action = Child<QAction>(&form, QString::fromLatin1(item));
    if (!action->isEnabled()) throw std::runtime_error(std::string("menu item disabled: ") + item);
    action->trigger();
}

void Click(const QWidget& window, const char* button)
{
    QTest::mouseClick(Child<QAbstractButton>(&window, QString::fromLatin1(button)), Qt::LeftButton);
}

// Ticks every box the three method dialogs enable and confirms each dialog.
void TickEveryMethod(const QWidget& form)
{
    const std::pair<const char*, const char*> dialogs[] = {
        {"combination", "Form2"}, {"Other_Methods", "frmOthermet"}, {"Standard_Methods", "frmStandard"}};
    for (const auto& [item, name] : dialogs) {
        Trigger(form, item);
        const auto* dialog = Child<QWidget>(&form, QString::fromLatin1(name));
        for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
            if (box->isEnabled() && !box->isChecked()) box->click();
        Click(*dialog, "Command1");
    }
}

void DiscardDialog(const QWidget& form, const char* name)
{
    delete Child<QWidget>(&form, QString::fromLatin1(name));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: etp_gui_bench STATION [RUNS]\n");
        return 2;
    }
    const int runs = std::max(5, argc > 2 ? std::atoi(argv[2]) : 5);
    try {
        etp::Workbench workbench;
        BenchUserInterface ui(argv[1]);
        etp::MainWindow form(workbench, ui);
        form.show();
        if (!QTest::qWaitForWindowExposed(&form)) throw std::runtime_error("the main window was not shown");
        auto* grid = Child<QTableView>(&form, QStringLiteral("Grid1"));
        const auto gridView = [grid]() -> QWidget* { return grid->viewport(); };
        const auto open = [&] { Trigger(form, "open"); };

        std::vector<double> opened, computed, charted, summed;
        for (int k = 0; k < runs; ++k) opened.push_back(TimeToPaint(open, gridView));
        Click(form, "CmdAutoFind");
        workbench.station = {"44.5", "120", "10"};
        TickEveryMethod(form);

        int columns = 0;
        for (int k = 0; k < runs; ++k) {
            open(); // each run computes into the sheet as read, not beside the last run's columns
            QCoreApplication::processEvents();
            const int before = workbench.sheet.lastNonEmptyColumn(1);
            computed.push_back(TimeToPaint([&] { Click(form, "Command1"); }, gridView));
            columns = workbench.sheet.lastNonEmptyColumn(1) - before;
        }
        if (columns <= 0) throw std::runtime_error("Compute added no column");

        for (int k = 0; k < runs; ++k) {
            charted.push_back(TimeToPaint([&] { Trigger(form, "chart"); },
                                          [&]() -> QWidget* {
                                              return Child<QAbstractScrollArea>(&form, QStringLiteral("ChartView1"))->viewport();
                                          }));
            DiscardDialog(form, "ChartDialog");
            summed.push_back(TimeToPaint([&] { Trigger(form, "summary"); }, [&]() -> QWidget* {
                return Child<QTableView>(&form, QStringLiteral("TableSummary"))->viewport();
            }));
            DiscardDialog(form, "SummaryDialog");
            QCoreApplication::processEvents();
        }
        if (qEnvironmentVariableIsSet("ETP_GUI_BENCH_RUNS"))
            for (const auto* stage : {&opened, &computed, &charted, &summed}) {
                for (const double ms : *stage) std::printf(" %.1f", ms);
                std::printf("\n");
            }
        std::printf("%d rows, %d result columns, %d runs each\n", workbench.sheet.lastNonEmptyRow() - 1, columns, runs);
        std::printf("open %.0f ms, compute %.0f ms, chart %.0f ms, summary %.0f ms\n", Median(opened), Median(computed),
                    Median(charted), Median(summed));
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "etp_gui_bench: %s\n", failure.what());
        return 1;
    }
    return 0;
}
