#pragma once
// The only way a command talks to the person: the desktop program answers with
// dialogs, the batch tool with its options and stderr, the tests with a script.
#include <optional>
#include <string>
#include <vector>

namespace etp {

// Title of every message box of the program.
inline constexpr const char* kApplicationTitle = "ETP computation";

enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Buttons { Ok, OkCancel, YesNo, SaveDiscardCancel };
enum class Answer { Ok, Cancel, Yes, No, Save, Discard };
enum class Pointer { Normal, Busy, BusyArrow };

class UserInterface;

// Where the bytes of a file chosen under a name are written.
struct FilePlace {
    std::string path;
    // In a folder of the front end's own whose files are moved into place when the run is
    // done (WriteGatheredFile); otherwise the file is replaced whole (WriteFileAtomically).
    bool gathered = false;
};

// Shows a pointer shape for its lifetime and puts the previous one back on every exit path.
class [[nodiscard]] BusyPointer {
public:
    BusyPointer(UserInterface& ui, Pointer kind);
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    UserInterface& ui_;
    Pointer previous_;
};

class UserInterface {
public:
    virtual ~UserInterface() = default;

    // A box with one OK button.
    virtual void message(const std::string& text, const std::string& title, Icon icon = Icon::None) = 0;
    virtual Answer question(const std::string& text, const std::string& title, Icon icon, Buttons buttons) = 0;
    // Empty when the person cancelled.
    virtual std::optional<std::string> inputText(const std::string& prompt, const std::string& title,
                                                 const std::string& defaultText) = 0;
    // One of the items, picked from a list under the prompt. The answer is the chosen
    // item's number (1 for the first) as text, as inputText would give it typed, so a
    // typed answer and a picked one go through the same reading; defaultText is the
    // number picked at first. Empty when the person cancelled. A front end without a
    // list asks for the number with inputText.
    virtual std::optional<std::string> chooseFromList(const std::string& prompt, const std::string& title,
                                                      const std::vector<std::string>& /*items*/,
                                                      const std::string& defaultText)
    {
        return inputText(prompt, title, defaultText);
    }
    // filters: pairs of description and pattern separated by "|".
    virtual std::optional<std::string> chooseOpenFile(const std::string& initialName, const std::string& filters) = 0;
    // initialName: a pattern ("*.rn") or a proposed name ("debilt.rn").
    virtual std::optional<std::string> chooseSaveFile(const std::string& initialName, const std::string& title) = 0;
    // Where the bytes of the file chosen as `name` are written. Everywhere else, messages
    // included, the file keeps the name chosen. A front end that gathers a run's files
    // before putting them in place answers with its own folder.
    virtual FilePlace placeToWrite(const std::string& name) { return {name}; }
    virtual void beep() = 0;

    BusyPointer busy(Pointer kind) { return BusyPointer(*this, kind); }
    Pointer pointer() const { return pointer_; }

protected:
    // Shows the shape; the base class keeps track of which one is current.
    virtual void showPointer(Pointer kind) = 0;

private:
    friend class BusyPointer;
    void setPointer(Pointer kind)
    {
        pointer_ = kind;
        showPointer(kind);
    }
    Pointer pointer_ = Pointer::Normal;
};

} // namespace etp
