#pragma once
// What the libFuzzer targets share: a person who answers nothing, and a weather sheet
// built from fuzz bytes. Raw bytes rarely make a date, so the sheet builder spends most
// bytes on day-to-day steps and numbers of realistic size, and some on raw cell texts,
// so that the writers and Compute run over long dated series and odd cells alike.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/UserInterface.h"
#include "models/FixedWidth.h"
#include "models/ModelFile.h"
#include "sheet/MeteoSheet.h"
#include "sheet/ColumnMap.h"

namespace etp::fuzz {

// Cancels every question and dialog, keeps the last message.
class SilentUserInterface final : public UserInterface {
public:
    std::string lastMessage;
    int messages = 0;

    void message(const std::string& text, const std::string&, Icon) override
    {
        lastMessage = text;
        ++messages;
    }
    Answer question(const std::string& text, const std::string&, Icon, Buttons buttons) override
    {
        lastMessage = text;
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    std::optional<std::string> inputText(const std::string&, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> chooseOpenFile(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<std::string> chooseSaveFile(const std::string&, const std::string&) override { return std::nullopt; }
    void beep() override {}

protected:
    void showPointer(Pointer) override {}
};

// Stops the run so that libFuzzer keeps the input as a crash.
[[noreturn]] inline void Fail(const char* what, const std::string& detail = {})
{
    std::fprintf(stderr, "fuzz invariant broken: %s %s\n", what, detail.c_str());
    std::abort();
}

// The nine input columns of the station layout, in the order of the column boxes, with
// rain last.
inline constexpr const char* kTitles[] = {"DATE", "TMIN", "TMAX", "RHMIN", "RHMAX", "RAD", "WIND", "ELIOF", "RAIN"};
inline constexpr int kInputColumns = 9;

inline ColumnMap StationColumns()
{
    ColumnMap columns;
    for (std::size_t i = 0; i < kClassicColumnBoxes; ++i) columns.text.values[i] = std::to_string(i + 1);
    return columns;
}

// A cell text: mostly a number with one decimal in [low, high], sometimes blank or raw bytes.
inline std::string NumberCell(FuzzedDataProvider& in, int low, int high)
{
    const auto kind = in.ConsumeIntegral<std::uint8_t>();
    if (kind < 220) {
        const int tenths = in.ConsumeIntegralInRange(low * 10, high * 10);
        char text[32];
        std::snprintf(text, sizeof text, "%s%d.%d", tenths < 0 ? "-" : "", std::abs(tenths) / 10, std::abs(tenths) % 10);
        return text;
    }
    if (kind < 235) return {};
    return in.ConsumeRandomLengthString(12);
}

// Rows 2 on of a station sheet; row 1 holds the titles. Returns the last row written.
// Dates run day by day from a fuzzed start, with some jumps, raw texts and blanks.
inline int FillStationSheet(MeteoSheet& sheet, FuzzedDataProvider& in, int maxRows)
{
    for (int c = 0; c < kInputColumns; ++c) sheet.setCellText(1, c + 1, kTitles[c]);
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int day = in.ConsumeIntegralInRange(1, 28), month = in.ConsumeIntegralInRange(1, 12);
    int year = in.ConsumeIntegralInRange(0, 99);
    const int rows = in.ConsumeIntegralInRange(0, maxRows);
    int row = 1;
    for (int k = 0; k < rows && in.remaining_bytes() > 0; ++k) {
        ++row;
        const auto step = in.ConsumeIntegral<std::uint8_t>();
        int advance = step < 200 ? 1 : step < 230 ? (step - 199) * 7 : 0;
        while (advance-- > 0) {
            if (++day > kDays[month - 1] + (month == 2 && year % 4 == 0)) {
                day = 1;
                if (++month > 12) month = 1, year = (year + 1) % 100;
            }
        }
        std::string date;
        if (step < 245) {
            char text[16];
            std::snprintf(text, sizeof text, "%02d/%02d/%02d", day, month, year);
            date = text;
        } else if (step < 252) {
            date = in.ConsumeRandomLengthString(10);
        }
        sheet.setCellText(row, 1, date);
        sheet.setCellText(row, 2, NumberCell(in, -20, 25));
        sheet.setCellText(row, 3, NumberCell(in, -10, 45));
        sheet.setCellText(row, 4, NumberCell(in, 5, 90));
        sheet.setCellText(row, 5, NumberCell(in, 30, 100));
        sheet.setCellText(row, 6, NumberCell(in, 0, 35));
        sheet.setCellText(row, 7, NumberCell(in, 0, 800));
        sheet.setCellText(row, 8, NumberCell(in, 0, 15));
        sheet.setCellText(row, 9, NumberCell(in, 0, 120));
    }
    return row;
}

} // namespace etp::fuzz

namespace etp::fuzz {

// Runs a writer's text builder; a refusal of data the layout cannot hold is an answer,
// anything else escaping is a fault. Empty when refused.
template <typename Build>
auto WriterText(Build build) -> std::optional<decltype(build())>
{
    try {
        return build();
    } catch (const RefusedInput&) {
        return std::nullopt;
    }
}

// The lines of a file with their ends cut off; a text that does not end with a line
// end breaks the rule.
inline std::vector<std::string_view> Lines(std::string_view text, std::string_view end)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto at = text.find(end);
        if (at == std::string_view::npos) Fail("a line without its end");
        lines.push_back(text.substr(0, at));
        text.remove_prefix(at + end.size());
    }
    return lines;
}

} // namespace etp::fuzz
