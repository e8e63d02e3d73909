#pragma once
// The two weather files of LEACHM: every rainy day with the nitrogen in the rain
// (*.rn), and the weekly ET, mean temperature and temperature range (*.etp).
#include <array>
#include <string>

#include "models/MethodChoice.h"
#include "sheet/MeteoSheet.h"
#include "sheet/ColumnMap.h"
#include "sheet/UnitLists.h"

namespace etp {

inline constexpr int kLeachmMaxWeeks = 5300;
inline constexpr int kLeachmMaxDays = 32766;

enum class LeachmDateFormat { Ddmmaa, DayNumber }; // "ddmmaa", "n° of day"

// What the LEACHM dialog shows and the saves read: the three concentrations of
// nitrogen in rain [mg/l] as typed, the date format and the ET column choice.
struct LeachmSettings {
    std::string urea = "0";       // Text1, "N-urea"
    std::string ammonium = "0.1"; // Text2, "N-ammonium"
    std::string nitrate = "1";    // Text3, "N-nitrate"
    LeachmDateFormat dates = LeachmDateFormat::Ddmmaa;
    MethodChoice methods;         // Option3, filled when the dialog is created
};

// One line per day with rain above 0: the date (ddmmyy, or its day number), 0.2, the
// rain, three times the rain and the three concentrations; then "THERE ARE n RAINY
// DAYS". The day-number form refuses a series whose two-digit years go back (99 to 00).
std::string LeachmRainText(const MeteoSheet& sheet, const ColumnMap& columns, int rainColumn, LeachmDateFormat dates,
                           const std::array<double, 3>& nitrogen);

// One line per week from week 1 (1-7 January of the first year) to the week of the last
// day: seven times the mean daily ET, 0, the mean temperature and the mean daily range,
// or "No data for this week!". Refuses more than 5300 weeks or 32766 days, and years
// that go back.
std::string LeachmEtpText(const MeteoSheet& sheet, const ColumnMap& columns, int etColumn,
                          const UnitSelection& units = {});

// The three concentrations of the settings' texts, as LeachmRainText takes them.
std::array<double, 3> LeachmNitrogen(const LeachmSettings& settings);

} // namespace etp
