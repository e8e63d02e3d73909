#pragma once
// What the writers of the model files share: the file dialog, the refusal of data a
// layout cannot hold, and the atomic write.
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/UserInterface.h"
#include "sheet/MeteoSheet.h"
#include "sheet/SheetQueries.h"

namespace etp {


// The save dialog of one writer: its initial name (a pattern) and title.
struct SaveDialog {
    const char* initialName;
    const char* title;
};

// Data a layout cannot hold; the text is the message for the person. Nothing is written.
class RefusedInput : public std::runtime_error {
public:
    explicit RefusedInput(const std::string& text) : std::runtime_error(text) {}
};

// The chosen file; empty when the person cancelled (or left the initial pattern as it was).
std::optional<std::string> AskOutputFile(UserInterface& ui, const SaveDialog& dialog);

// The rain column, or 0 after the message "No rain in data sheet".
int RainColumnOrMessage(const MeteoSheet& sheet, UserInterface& ui);

// Builds the file's text and writes it to a temporary file beside `path`, renamed over
// it when complete. A RefusedInput, or a file that cannot be written, ends in a message
// and leaves whatever was at `path` untouched. True when the file was written.
bool WriteModelFile(const std::string& path, const std::function<std::string()>& build, UserInterface& ui);

// A rain file: asks for the file, then finds the rain column ("No rain in data sheet"
// and nothing written when there is none) and writes what `build` makes of it.
bool SaveRainFile(const MeteoSheet& sheet, const SaveDialog& dialog, UserInterface& ui,
                  const std::function<std::string(int rainColumn)>& build);

// NumericValue of a cell, refused when it is beyond the double range (a text like 1e999).
double FiniteCellValue(const MeteoSheet& sheet, int row, int column);

// DayNumber of the date of `row`, read by position from `dateColumn`. A month beyond
// 0..12 is refused with a message naming the row; so is, with `refuseEarlierYear`, a
// year before the first year (a series passing from 99 to 00), which would turn day
// and week numbers negative.
int RowDayNumber(const MeteoSheet& sheet, int row, int dateColumn, double firstYear, bool refuseEarlierYear);

} // namespace etp
