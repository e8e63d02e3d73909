#pragma once
// Which methods a station's columns allow: one table read by the tests of every layer
// that applies the rule (the rule itself, the method dialogs, Compute, the station runner).
#include <string>
#include <vector>

#include "et/Estimates.h"
#include "sheet/ColumnMap.h"
#include "support/SheetBuilder.h"

namespace etp::testing {

struct AvailabilityCase {
    const char* name;
    ColumnMap columns;
    EstimateSettings estimates;
    // The methods allowed, fourteen 0/1 in method order: PenFAO PFAOnocorr PenMon P-T
    // PFAOrad PFAOsun | Hargr. Turc Thornt. P-T-extrad Bl-Cr PotRad | ASCE short, tall.
    const char* available;
    // Whether opening a method dialog passes its first checks (date, temperatures,
    // humidity, radiation or sunshine, wind).
    bool dialogOpens = true;
};

// The eight classic boxes on columns 1..8 with some of them changed.
inline ColumnMap Classic(std::initializer_list<std::pair<ColumnBox, const char*>> changes)
{
    ColumnMap columns = FirstEightColumns();
    for (const auto& [box, text] : changes) columns.set(box, text);
    return columns;
}

inline EstimateSettings Estimating(bool radiation, bool humidity, bool wind)
{
    EstimateSettings estimates;
    estimates.radiation = radiation;
    estimates.humidity = humidity;
    estimates.wind = wind;
    return estimates;
}

inline std::vector<AvailabilityCase> AvailabilityCases()
{
    using B = ColumnBox;
    ColumnMap dewPoint = Classic({{B::RHmin, "?"}, {B::RHmax, "?"}, {B::Tdew, "2"}});
    return {
        {"every column", FirstEightColumns(), {}, "11111111111111"},
        {"no sunshine (0)", Classic({{B::Sunshine, "0"}}), {}, "01111011111111"},
        {"no sunshine (?)", Classic({{B::Sunshine, "?"}}), {}, "01111011111111"},
        {"no radiation", Classic({{B::Radiation, "0"}}), {}, "00000110111100"},
        {"radiation estimated from sunshine", Classic({{B::Radiation, "0"}}), Estimating(true, false, false),
         "11111111111111"},
        {"no wind", Classic({{B::Wind, "0"}}), {}, "00010011111100"},
        {"wind estimated", Classic({{B::Wind, "0"}}), Estimating(false, false, true), "11111111111111"},
        {"humidity from the dew point", dewPoint, {}, "11111111111111"},
        {"no humidity", Classic({{B::RHmin, "0"}, {B::RHmax, "0"}}), {}, "00000011111100"},
        {"temperatures only",
         Classic({{B::RHmin, "0"}, {B::RHmax, "0"}, {B::Radiation, "0"}, {B::Wind, "0"}, {B::Sunshine, "0"}}),
         Estimating(false, false, false), "00000010111100", false},
        {"temperatures only, every estimate on",
         Classic({{B::RHmin, "0"}, {B::RHmax, "0"}, {B::Radiation, "0"}, {B::Wind, "0"}, {B::Sunshine, "0"}}),
         Estimating(true, true, true), "01111011111111"},
        {"no T max", Classic({{B::Tmax, "0"}}), {}, "00000000000100"},
    };
}

} // namespace etp::testing
