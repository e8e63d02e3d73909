#include "pipeline/ConsoleUserInterface.h"

namespace etp {

namespace {

// The lines of a message as the message box shows them, each a line of the terminal: a
// CR, which would overwrite the line, and a CR LF end a line as LF does.
std::string Lines(const std::string& text)
{
    std::string lines;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        lines += text[i] == '\r' ? '\n' : text[i];
    }
    return lines;
}

} // namespace

void ConsoleUserInterface::message(const std::string& text, const std::string&, Icon)
{
    ++messages_;
    last_ = text;
    err_ << Lines(text) << '\n' << std::flush;
}

Answer ConsoleUserInterface::question(const std::string& text, const std::string&, Icon, Buttons buttons)
{
    ++messages_;
    last_ = text;
    err_ << Lines(text) << '\n' << std::flush;
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

std::optional<std::string> ConsoleUserInterface::inputText(const std::string&, const std::string&, const std::string&)
{
    return sheetAnswer_;
}

std::optional<std::string> ConsoleUserInterface::chooseFromList(const std::string&, const std::string&,
                                                                const std::vector<std::string>&, const std::string&)
{
    return sheetAnswer_;
}

std::optional<std::string> ConsoleUserInterface::chooseOpenFile(const std::string&, const std::string&)
{
    return openFile_;
}

std::optional<std::string> ConsoleUserInterface::chooseSaveFile(const std::string&, const std::string&)
{
    if (saveFiles_.empty()) return std::nullopt;
    std::string path = saveFiles_.front();
    saveFiles_.pop_front();
    return path;
}

FilePlace ConsoleUserInterface::placeToWrite(const std::string& name)
{
    if (gatherFolder_.empty()) return {name};
    return {(gatherFolder_ / std::filesystem::path(name).filename()).string(), true};
}

} // namespace etp
