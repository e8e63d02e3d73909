// etp-gui: the desktop program. One window over one workbench, until the person leaves.
#include <QApplication>

#include "app/Form1.h"
#include "app/QtUserInterface.h"
#include "workbench/Workbench.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(etp::kApplicationTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(etp::kVersion));

    etp::Workbench workbench;
    etp::QtUserInterface ui;
    etp::Form1 window(workbench, ui);
    ui.setMainWindow(&window);
    window.show();
    return app.exec();
}
