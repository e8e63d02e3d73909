#pragma once
// A person who follows a script: every message is recorded as "title|text", every
// question and file choice takes the next queued answer. An unscripted question
// throws, so a test fails where a real modal box would hang.
#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/UserInterface.h"

namespace etp::testing {

class ScriptedUserInterface final : public UserInterface {
public:
    std::vector<std::string> messages;  // "title|text", messages and questions alike
    std::vector<Icon> icons;
    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> inputs;
    std::vector<std::string> inputBoxes; // "title|default|prompt" of every input box shown
    std::vector<std::vector<std::string>> lists; // the items of every list shown (its box is in inputBoxes)
    std::deque<std::optional<std::string>> openFiles;
    std::deque<std::optional<std::string>> saveFiles;
    std::vector<std::string> saveTitles;
    std::vector<std::string> saveInitialNames;
    std::vector<Pointer> pointers; // every shape shown, in order
    int beeps = 0;

    void message(const std::string& text, const std::string& title, Icon icon) override
    {
        messages.push_back(title + "|" + text);
        icons.push_back(icon);
    }
    Answer question(const std::string& text, const std::string& title, Icon icon, Buttons) override
    {
        message(text, title, icon);
        return next(answers, "question: " + text);
    }
    std::optional<std::string> inputText(const std::string& prompt, const std::string& title, const std::string& answer) override
    {
        inputBoxes.push_back(title + "|" + answer + "|" + prompt);
        return next(inputs, "input: " + prompt);
    }
    std::optional<std::string> chooseFromList(const std::string& prompt, const std::string& title,
                                              const std::vector<std::string>& items, const std::string& answer) override
    {
        lists.push_back(items);
        return inputText(prompt, title, answer);
    }
    std::optional<std::string> chooseOpenFile(const std::string&, const std::string&) override { return next(openFiles, "open file"); }
    std::optional<std::string> chooseSaveFile(const std::string& initialName, const std::string& title) override
    {
        saveInitialNames.push_back(initialName);
        saveTitles.push_back(title);
        return next(saveFiles, "save file: " + title);
    }
    void beep() override { ++beeps; }

protected:
    void showPointer(Pointer kind) override { pointers.push_back(kind); }

private:
    template <typename T>
    static T next(std::deque<T>& queue, const std::string& what)
    {
        if (queue.empty()) throw std::logic_error("unscripted " + what);
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

} // namespace etp::testing
