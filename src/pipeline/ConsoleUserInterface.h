#pragma once
// The person, for the batch tool: messages go to stderr one per line, the file and
// sheet choices come from the command line, and questions take their OK answer.
#include <deque>
#include <filesystem>
#include <ostream>
#include <string>

#include "base/UserInterface.h"

namespace etp {

class ConsoleUserInterface final : public UserInterface {
public:
    explicit ConsoleUserInterface(std::ostream& err) : err_(err) {}

    void setOpenFile(std::string path) { openFile_ = std::move(path); }
    void setSheetAnswer(std::string answer) { sheetAnswer_ = std::move(answer); }
    void queueSaveFile(std::string path) { saveFiles_.push_back(std::move(path)); }
    // Every file is then written into `folder` under its own file name; empty: where it is named.
    void gatherFilesIn(std::filesystem::path folder) { gatherFolder_ = std::move(folder); }
    int messageCount() const { return messages_; }
    // The text of the last message or question, all its lines; empty before the first.
    const std::string& lastMessage() const { return last_; }

    void message(const std::string& text, const std::string& title, Icon icon) override;
    Answer question(const std::string& text, const std::string& title, Icon icon, Buttons buttons) override;
    std::optional<std::string> inputText(const std::string& prompt, const std::string& title,
                                         const std::string& defaultText) override;
    // The sheet number of the command line, whatever the list holds.
    std::optional<std::string> chooseFromList(const std::string& prompt, const std::string& title,
                                              const std::vector<std::string>& items,
                                              const std::string& defaultText) override;
    std::optional<std::string> chooseOpenFile(const std::string& initialName, const std::string& filters) override;
    std::optional<std::string> chooseSaveFile(const std::string& initialName, const std::string& title) override;
    FilePlace placeToWrite(const std::string& name) override;
    void beep() override {}

protected:
    void showPointer(Pointer) override {}

private:
    std::ostream& err_;
    std::string openFile_;
    std::string sheetAnswer_ = "1";
    std::deque<std::string> saveFiles_;
    std::filesystem::path gatherFolder_;
    int messages_ = 0;
    std::string last_;
};

} // namespace etp
