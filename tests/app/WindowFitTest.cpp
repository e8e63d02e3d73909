// Every window on a 1600 x 1000 screen at 150 % (QT_SCALE_FACTOR=1.5, 1067 x 667 in
// Qt's units): the main window and each dialog of the menus open inside the screen, and
// each dialog is wide enough for its whole title.
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
        app.computeOnly(Method::PenMon);
        const QRect screen = app.form->screen()->availableGeometry();
        QCOMPARE(screen.size(), QSize(1067, 667));
        QVERIFY2(screen.contains(app.form->frameGeometry()), qPrintable(Describe(*app.form)));

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
                dialog->hide();
            }
        }
        QVERIFY(dialogs >= 15);
        QVERIFY(app.ui.messages.empty());
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
