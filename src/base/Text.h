#pragma once
// Small string helpers shared by the sheet readers and the batch options.
#include <string>
#include <string_view>
#include <vector>

namespace etp {

// The text with a-z turned to A-Z; every other byte as it is.
inline std::string UpperCase(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

// The text with A-Z turned to a-z; every other byte as it is.
inline std::string LowerCase(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// The fields between commas, empty ones included: "a,,b" gives "a", "", "b".
inline std::vector<std::string> SplitCommas(std::string_view text)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::size_t end = comma == std::string_view::npos ? text.size() : comma;
        parts.emplace_back(text.substr(start, end - start));
        if (comma == std::string_view::npos) return parts;
        start = comma + 1;
    }
}

} // namespace etp
