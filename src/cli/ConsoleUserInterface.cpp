#include "cli/ConsoleUserInterface.h"

namespace etp {

namespace {

// A message box breaks lines at CR; on a terminal that would overwrite the line.
std::string OneLine(const std::string& text)
{
    std::string line = text;
    for (char& c : line)
        if (c == '\r' || c == '\n') c = ' ';
    return line;
}

} // namespace

void ConsoleUserInterface::message(const std::string& text, const std::string&, Icon)
{
    ++messages_;
    err_ << OneLine(text) << '\n' << std::flush;
}

Answer ConsoleUserInterface::question(const std::string& text, const std::string&, Icon, Buttons buttons)
{
    ++messages_;
    err_ << OneLine(text) << '\n' << std::flush;
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

} // namespace etp
