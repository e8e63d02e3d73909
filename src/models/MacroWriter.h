#pragma once
// The two daily weather files of MACRO, rain (*.rn) and ET (*.etp): one line for every
// day of the series, dry days included, dated 'yymmdd'.
#include <string>

#include "base/UserInterface.h"
#include "models/MethodChoice.h"
#include "models/ModelFile.h"
#include "sheet/MeteoSheet.h"
#include "sheet/Settings.h"

namespace etp {

inline constexpr SaveDialog kMacroRainDialog{"*.rn", "MACRO - Save rain"};
inline constexpr SaveDialog kMacroEtpDialog{"*.etp", "MACRO - Save ETP"};

// One line per day: 'yymmdd', two blanks, the value of `valueColumn` through "000.0"
// with its leading zeros blanked (a negative value keeps them: -001.5), four blanks.
std::string MacroDailyText(const MeteoSheet& sheet, const ColumnMap& columns, int valueColumn);

// "Save rain data", "Save ETP data" (its ET column from the dialog's own choice) and
// "Save all", which runs both as the LEACHM dialog does. True when the file was
// written; false when cancelled or after a message.
bool SaveMacroRain(const MeteoSheet& sheet, const ColumnMap& columns, UserInterface& ui);
bool SaveMacroEtp(const MeteoSheet& sheet, const ColumnMap& columns, const MethodChoice& methods, UserInterface& ui);
void SaveMacroAll(const MeteoSheet& sheet, const ColumnMap& columns, const MethodChoice& methods, UserInterface& ui);

} // namespace etp
