#pragma once
// The options that choose between two settings by a word, the default's first: the
// command line offers the two words, the plan reads them.
#include <optional>
#include <string>
#include <vector>

namespace etp {

struct OptionWords {
    const char* name;   // "--penmon-g"
    const char* first;  // the default, also when the option is not given
    const char* second;

    std::vector<std::string> words() const { return {first, second}; }

    // `chosen`: whether the text chooses the second word's setting; a usage error when it is
    // neither word, nor empty where empty stands for the default ("--penmon-g takes
    // previous or zero: "none"").
    std::optional<std::string> read(const std::string& text, bool& chosen, bool emptyIsFirst = true) const
    {
        chosen = text == second;
        if (chosen || (text.empty() && emptyIsFirst) || text == first) return std::nullopt;
        return std::string(name) + " takes " + first + " or " + second + ": \"" + text + "\"";
    }
};

inline constexpr OptionWords kPenMonGWords{"--penmon-g", "previous", "zero"};
inline constexpr OptionWords kTurcHumidityWords{"--turc-humidity", "below50", "off"};
inline constexpr OptionWords kPotRadUnitWords{"--potrad-unit", "MJ", "mm"};
inline constexpr OptionWords kAsceRsoWords{"--asce-rso", "simple", "full"};
inline constexpr OptionWords kLeachmDatesWords{"--leachm-dates", "ddmmaa", "day"};

} // namespace etp
