// Every window on a 1600 x 1000 screen at 150 % (QT_SCALE_FACTOR=1.5, 1067 x 667 in
// Qt's units): the main window and each dialog of the menus open inside the screen, each
// dialog is wide enough for its whole title, and no text in it is cut: labels, buttons,
// group titles and column headers show all of their text, and a table cell that shows
// less than its text has the whole text as its tooltip.
#include "AppSession.h"
#include "app/WindowFit.h"
#include "et/MethodTable.h"

using namespace etp;
using namespace etp::testing;

class TestWindowFit : public QObject {
    Q_OBJECT
private slots:
    void everyWindowOpensInsideTheScreenWithItsTitle()
    {
        AppSession app;
        app.openSample(app.path("days.txt"), 400);
        // Every method, twice, with estimates: the longest titles, the "Estimated" cells and
        // a legend of more than six entries.
        app.workbench.estimates.radiation = app.workbench.estimates.humidity = app.workbench.estimates.wind = true;
        for (const MethodInfo& info : kMethods) app.tick(info.method);
        app.click(QStringLiteral("Command1"));
        app.click(QStringLiteral("Command1"));
        app.ui.messages.clear();
        const QRect screen = app.form->screen()->availableGeometry();
        QCOMPARE(screen.size(), QSize(1067, 667));
        QVERIFY2(screen.contains(app.form->frameGeometry()), qPrintable(Describe(*app.form)));

        QCoreApplication::processEvents(); // the status bar takes its new texts' widths
        // On this screen all fifteen column boxes are in sight without scrolling.
        const auto* area = Child<QScrollArea>(app.form.get(), QStringLiteral("ColumnBoxesArea"));
        for (int i = 0; i < 15; ++i) {
            const auto* box = Child<QLineEdit>(app.form.get(), QStringLiteral("Text1_%1").arg(i));
            const QRect inView(box->mapTo(area->viewport(), QPoint(0, 0)), box->size());
            QVERIFY2(area->viewport()->rect().contains(inView), qPrintable(box->objectName()));
        }
        QStringList cut = CutTexts(*app.form);
        int dialogs = 0;
        // A menu item may rebuild others (Save, the recent files): each is looked up by name
        // when its turn comes.
        QStringList names;
        for (const QAction* item : app.form->findChildren<QAction*>()) names << item->objectName();
        for (const QString& name : names) {
            QAction* item = name.isEmpty() ? nullptr : app.form->findChild<QAction*>(name);
            if (!item || !item->isEnabled() || item->menu() || name == QStringLiteral("open") ||
                name == QStringLiteral("saveas") || name == QStringLiteral("exit"))
                continue;
            item->trigger();
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QDialog*>(window);
                if (!dialog || !dialog->isVisible()) continue;
                ++dialogs;
                QVERIFY2(screen.contains(dialog->frameGeometry()), qPrintable(name + ": " + Describe(*dialog)));
                QVERIFY2(dialog->width() >= TitleBarWidth(*dialog), qPrintable(name + ": " + Describe(*dialog)));
                QCoreApplication::processEvents(); // lay out what the dialog filled as it opened
                for (const QString& text : CutTexts(*dialog)) cut << name + ": " + text;
                dialog->hide();
            }
        }
        QVERIFY(dialogs >= 15);
        cut.removeDuplicates();
        QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("cut:\n") + cut.join(QLatin1Char('\n'))));
        QVERIFY(app.ui.messages.empty());
    }

    // A window shorter than the column boxes (a laptop screen at 200 %): the boxes keep their
    // height and scroll, and both buttons stay whole and in sight below them.
    void columnBoxesScrollInAShortWindow()
    {
        AppSession app;
        app.form->resize(700, 330);
        QVERIFY(QTest::qWaitFor([&app] { return app.form->height() == 330; }));
        QCoreApplication::processEvents();
        auto* area = Child<QScrollArea>(app.form.get(), QStringLiteral("ColumnBoxesArea"));
        QVERIFY(area->verticalScrollBar()->isVisible());
        for (const char* name : {"CmdAutoFind", "Command1"}) {
            const auto* button = Child<QPushButton>(app.form.get(), QString::fromLatin1(name));
            const QRect inWindow(button->mapTo(app.form.get(), QPoint(0, 0)), button->size());
            QVERIFY2(app.form->rect().contains(inWindow), name);
            QVERIFY2(button->height() >= button->sizeHint().height(), name);
            QVERIFY2(inWindow.top() >= area->mapTo(app.form.get(), QPoint(0, area->height())).y(), name);
        }
        for (int i = 0; i < 15; ++i) {
            auto* box = Child<QLineEdit>(app.form.get(), QStringLiteral("Text1_%1").arg(i));
            QVERIFY2(box->height() >= box->sizeHint().height(), qPrintable(box->objectName()));
        }
        // The last box comes into sight by scrolling.
        auto* last = Child<QLineEdit>(app.form.get(), QStringLiteral("Text1_14"));
        area->ensureWidgetVisible(last);
        const QRect inView(last->mapTo(area->viewport(), QPoint(0, 0)), last->size());
        QVERIFY(area->viewport()->rect().contains(inView));
    }

    // Before it is shown, a window that is too wide shrinks by an estimate of the frame
    // (8 pixels of borders) and moves in; its height fits already and stays.
    void fitShrinksAndMovesIn()
    {
        QWidget window;
        window.resize(2000, 300);
        window.move(900, 50);
        FitWindow(window, QRect(0, 0, 1067, 667));
        QCOMPARE(window.size(), QSize(1059, 300));
        QCOMPARE(window.pos(), QPoint(0, 50));
    }

private:
    // The texts of a shown window that do not fit where they stand, one line each.
    static QStringList CutTexts(const QWidget& window)
    {
        QStringList cut;
        const auto where = [](const QWidget& widget) {
            return widget.metaObject()->className() + QStringLiteral(" ") + widget.objectName();
        };
        for (const QWidget* widget : window.findChildren<QWidget*>()) {
            if (!widget->isVisible() || widget->width() <= 1) continue;
            if (const auto* label = qobject_cast<const QLabel*>(widget); label && !label->text().isEmpty()) {
                const bool fits = label->wordWrap() ? label->height() >= label->heightForWidth(label->width())
                                                    : label->width() >= label->sizeHint().width() &&
                                                          label->height() >= label->sizeHint().height();
                if (!fits) cut << where(*label) + QStringLiteral(" \"%1\"").arg(label->text());
            } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget); button && !button->text().isEmpty()) {
                if (button->width() < button->sizeHint().width())
                    cut << where(*button) + QStringLiteral(" \"%1\" %2 < %3").arg(button->text()).arg(button->width()).arg(button->sizeHint().width());
            } else if (const auto* group = qobject_cast<const QGroupBox*>(widget); group && !group->title().isEmpty()) {
                if (group->width() < group->fontMetrics().horizontalAdvance(group->title()) + 16)
                    cut << where(*group) + QStringLiteral(" \"%1\"").arg(group->title());
            } else if (const auto* header = qobject_cast<const QHeaderView*>(widget)) {
                cut << CutHeaderTexts(*header, where(*header->parentWidget()));
            } else if (const auto* view = qobject_cast<const QTableView*>(widget)) {
                cut << CutCellTexts(*view, where(*view));
            }
        }
        return cut;
    }

    // A header section narrower than its text and the style's margins.
    static QStringList CutHeaderTexts(const QHeaderView& header, const QString& where)
    {
        QStringList cut;
        if (header.orientation() != Qt::Horizontal || !header.model()) return cut;
        const int margins = 2 * header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
        for (int section = 0; section < header.count(); ++section) {
            if (header.isSectionHidden(section)) continue;
            const QString text = header.model()->headerData(section, Qt::Horizontal).toString();
            if (header.sectionSize(section) < header.fontMetrics().horizontalAdvance(text) + margins)
                cut << where + QStringLiteral(" header \"%1\"").arg(text);
        }
        return cut;
    }

    // A cell in view narrower than its text and the item's margins, without the whole
    // text as its tooltip.
    static QStringList CutCellTexts(const QTableView& view, const QString& where)
    {
        QStringList cut;
        const QAbstractItemModel* model = view.model();
        if (!model) return cut;
        const int margins = 2 * (view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1);
        const int top = std::max(view.rowAt(0), 0);
        const int bottom = view.rowAt(view.viewport()->height() - 1) < 0 ? model->rowCount() - 1
                                                                         : view.rowAt(view.viewport()->height() - 1);
        for (int row = top; row <= bottom && row < model->rowCount(); ++row) {
            if (view.isRowHidden(row)) continue;
            for (int column = 0; column < model->columnCount(); ++column) {
                if (view.isColumnHidden(column)) continue;
                const QModelIndex index = model->index(row, column);
                const QString text = index.data().toString();
                if (text.isEmpty() || text.contains(QLatin1Char('\n'))) continue;
                QFont font = view.font();
                if (const QVariant shown = index.data(Qt::FontRole); shown.isValid()) font = shown.value<QFont>().resolve(font);
                // Fractional widths: at 150 % a text a pixel fraction wider than its cell is elided.
                if (view.columnWidth(column) >= QFontMetricsF(font).horizontalAdvance(text) + margins) continue;
                if (!index.data(Qt::ToolTipRole).toString().contains(text))
                    cut << where + QStringLiteral(" cell %1,%2 \"%3\"").arg(row + 1).arg(column + 1).arg(text);
            }
        }
        return cut;
    }

    static QString Describe(const QWidget& window)
    {
        const QRect r = window.frameGeometry();
        return QStringLiteral("%1 \"%2\" at %3,%4 %5x%6, title needs %7")
            .arg(window.objectName(), TitleBarText(window))
            .arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())
            .arg(TitleBarWidth(window));
    }
};

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" ETP_SCREEN_CONFIG);
    qputenv("QT_SCALE_FACTOR", "1.5");
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QString::fromLatin1(kApplicationTitle));
    TestWindowFit test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowFitTest.moc"
