#pragma once
// The person at the desktop: message and question boxes, the input box, the platform's
// file dialogs, the beep and the busy pointer.
#include <QPointer>
#include <QString>
#include <QWidget>

#include "base/UserInterface.h"

namespace etp {

// A text of the core as a widget shows it: UTF-8, and a CR (alone or before LF) is a line break.
QString ShownText(const std::string& text);
// "desc (*.txt)|*.txt|Excel (*.xls)|*.xls" -> "desc (*.txt);;Excel (*.xls)", and
// "Both|*.txt;*.csv" -> "Both (*.txt *.csv)".
QString QtFileFilters(const std::string& filters);

class QtUserInterface final : public UserInterface {
public:
    // Boxes are centred over the active window, or over this one when none is active.
    void setMainWindow(QWidget* window) { mainWindow_ = window; }

    void message(const std::string& text, const std::string& title, Icon icon) override;
    Answer question(const std::string& text, const std::string& title, Icon icon, Buttons buttons) override;
    std::optional<std::string> inputText(const std::string& prompt, const std::string& title,
                                         const std::string& defaultText) override;
    // A list of the items, numbered as the prompt numbers them, under the prompt.
    std::optional<std::string> chooseFromList(const std::string& prompt, const std::string& title,
                                              const std::vector<std::string>& items,
                                              const std::string& defaultText) override;
    std::optional<std::string> chooseOpenFile(const std::string& initialName, const std::string& filters) override;
    std::optional<std::string> chooseSaveFile(const std::string& initialName, const std::string& title) override;
    void beep() override;

protected:
    void showPointer(Pointer kind) override;

private:
    // A box asks for a click: the normal pointer while it is up, whatever the command shows.
    class NormalPointerWhileAsking {
    public:
        explicit NormalPointerWhileAsking(QtUserInterface& ui);
        ~NormalPointerWhileAsking();
        NormalPointerWhileAsking(const NormalPointerWhileAsking&) = delete;
        NormalPointerWhileAsking& operator=(const NormalPointerWhileAsking&) = delete;

    private:
        QtUserInterface& ui_;
    };

    QWidget* dialogParent() const;

    QPointer<QWidget> mainWindow_;
};

} // namespace etp
