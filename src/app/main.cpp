// etp-gui: the desktop program. One window over one workbench, until the person leaves.
//   etp-gui [FILE]   FILE is opened at start as File > Open would.
#include <QApplication>
#include <QCommandLineParser>

#include <clocale>

#include "app/AppSettings.h"
#include "app/MainWindow.h"
#include "app/QtUserInterface.h"
#include "workbench/FileCommands.h"
#include "workbench/Workbench.h"

namespace {

// The person at start: the file named on the command line is the one chosen; every
// other question goes to the real dialogs.
class StartFileUserInterface final : public etp::UserInterface {
public:
    StartFileUserInterface(etp::UserInterface& ui, std::string path) : ui_(ui), path_(std::move(path)) {}

    void message(const std::string& text, const std::string& title, etp::Icon icon) override
    {
        ui_.message(text, title, icon);
    }
    etp::Answer question(const std::string& text, const std::string& title, etp::Icon icon,
                         etp::Buttons buttons) override
    {
        return ui_.question(text, title, icon, buttons);
    }
    std::optional<std::string> inputText(const std::string& prompt, const std::string& title,
                                         const std::string& defaultText) override
    {
        return ui_.inputText(prompt, title, defaultText);
    }
    std::optional<std::string> chooseFromList(const std::string& prompt, const std::string& title,
                                              const std::vector<std::string>& items,
                                              const std::string& defaultText) override
    {
        return ui_.chooseFromList(prompt, title, items, defaultText);
    }
    std::optional<std::string> chooseOpenFile(const std::string&, const std::string&) override { return path_; }
    std::optional<std::string> chooseSaveFile(const std::string& initialName, const std::string& title) override
    {
        return ui_.chooseSaveFile(initialName, title);
    }
    void beep() override { ui_.beep(); }

protected:
    void showPointer(etp::Pointer) override {}

private:
    etp::UserInterface& ui_;
    std::string path_;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Qt takes the C library's locale from the environment; the sheet's numbers, the
    // summary and the data check are written with a decimal point whatever the user's
    // language, as the batch tool writes them.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("etp-gui"));
    // Where QSettings keeps the recent files and the last folder.
    QApplication::setOrganizationName(QStringLiteral("etp"));
    QApplication::setApplicationDisplayName(QString::fromLatin1(etp::kApplicationTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(etp::kVersion));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Reference evapotranspiration from a daily weather series, and model weather files."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("a weather series to open at start"),
                                 QStringLiteral("[FILE]"));
    parser.process(app);

    etp::Workbench workbench;
    etp::QtUserInterface ui;
    etp::KeepStationsPerFile(workbench); // the file named here too
    if (!parser.positionalArguments().isEmpty()) {
        StartFileUserInterface start(ui, parser.positionalArguments().constFirst().toStdString());
        etp::OpenFile(workbench, start);
    }
    etp::MainWindow window(workbench, ui);
    ui.setMainWindow(&window);
    window.show();
    return app.exec();
}
