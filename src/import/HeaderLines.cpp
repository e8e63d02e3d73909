#include "import/HeaderLines.h"

#include <cctype>

#include "base/Text.h"

namespace etp {

namespace {

std::string_view Trimmed(std::string_view line)
{
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.front()))) line.remove_prefix(1);
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) line.remove_suffix(1);
    return line;
}

// The number that starts `text` after blanks, ":" and "=": sign, digits, one point.
std::optional<std::string> LeadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == ':' || text[i] == '=')) ++i;
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    std::size_t digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(text[i]))) ++digits;
        else if (text[i] == '.' && !point) point = true;
        else break;
    }
    if (digits == 0) return std::nullopt;
    return std::string(text.substr(start, i - start));
}

// The number after `word` in a line (any case); with `afterEquals`, after the last "="
// that follows the word when there is one ("Elevation from MERRA-2: ... = 1.9 meters").
std::optional<std::string> NumberAfter(std::string_view line, std::string_view word, bool afterEquals)
{
    const std::string lower = LowerCase(line);
    const std::size_t at = lower.find(word);
    if (at == std::string::npos) return std::nullopt;
    std::string_view rest = line.substr(at + word.size());
    if (afterEquals)
        if (const std::size_t equals = rest.rfind('='); equals != std::string_view::npos) rest = rest.substr(equals + 1);
    return LeadingNumber(rest);
}

} // namespace

HeaderLines ReadHeaderLines(std::string_view text)
{
    HeaderLines header;
    HeaderLines inBlock; // the lines of an open block, kept only when it closes
    bool open = false;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string_view::npos) end = text.size();
        std::size_t next = end;
        if (next < text.size()) next += text[next] == '\r' && next + 1 < text.size() && text[next + 1] == '\n' ? 2 : 1;
        const std::string_view line = Trimmed(text.substr(at, end - at));
        HeaderLines& into = open ? inBlock : header;
        if (!open && line == "-BEGIN HEADER-") {
            open = true;
            inBlock = header;
            ++inBlock.lines;
        } else if (open) {
            ++inBlock.lines;
            if (line == "-END HEADER-") {
                open = false;
                header = inBlock;
                header.length = next;
                at = next;
                continue;
            }
        } else if (line.starts_with('#')) {
            ++header.lines;
            header.length = next;
        } else {
            break;
        }
        if (!into.latitude) into.latitude = NumberAfter(line, "latitude", false);
        if (!into.elevation) into.elevation = NumberAfter(line, "elevation", true);
        at = next;
    }
    return header;
}

} // namespace etp
