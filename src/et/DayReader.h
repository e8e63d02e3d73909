#pragma once
// The weather of one row as the methods read it, and the estimates of what the row lacks
// (Option > Missing data). Compute reads every day through it, and so do the model files
// that read a variable Compute may estimate: both get the same numbers for the same day.
#include <string>

#include "base/Refusal.h"
#include "et/DayTerms.h"
#include "et/Estimates.h"
#include "et/Humidity.h"
#include "et/Records.h"
#include "sheet/MeteoSheet.h"
#include "sheet/RowDates.h"
#include "sheet/ColumnMap.h"
#include "sheet/UnitLists.h"
#include "sheet/Station.h"

namespace etp {

// What a row's reading found missing: the inputs no estimate has filled in.
struct DayGaps {
    Inputs missing = 0;
    bool sunshineMeasured = false;
    std::string date; // the row's date as the sheet gives it, for the messages
};

// Altitude and latitude as the day records hold them (a checked station fits their 32 bits).
void ReadStation(const StationValues& station, SiteDay& S);

// Nothing can change the boxes, lists or station texts while a command reads the days,
// so their numbers are read once.
class DayReader {
public:
    DayReader(const MeteoSheet& sheet, const ColumnMap& columns, const UnitSelection& units,
              const StationValues& station, const EstimateSettings& estimates);

    // Inputs in the order the driver reads them, in the program's units. A missing cell
    // reads as 0 and is reported; a variable without a column reads as 0 and is not
    // missing, unless its estimate is on. Throws UnreadableDate, and ArithmeticError for
    // a value beyond 32 bits.
    DayGaps read(int r, DailyWeather& D, SiteDay& S) const;

    // The day's estimates: what `needed` lacks of the day just read, filled in as far as
    // the settings allow (EstimateMissing), its words in `words` (emptied first). Answers
    // what is still missing.
    Inputs estimate(const DayGaps& gaps, Inputs needed, DailyWeather& D, const SiteDay& S, const StationTerms& station,
                    std::string& words) const;

private:
    float value(int r, ColumnBox box, UnitKind unit, const char* what, Inputs input, DayGaps& gaps) const;
    std::optional<double> measured(int r, ColumnBox box, UnitKind unit) const;
    void readHumidity(int r, DailyWeather& D, DayGaps& gaps) const;

    const MeteoSheet& sheet_;
    const UnitSelection& units_;
    const EstimateSettings& estimates_;
    const RowDates dates_;
    const HumiditySource humidity_;
    PerColumnBox<int> column_{};
    Inputs absent_ = 0;     // variables without a column whose estimate is on
    double windHeight_ = 2; // [m]
};

} // namespace etp
