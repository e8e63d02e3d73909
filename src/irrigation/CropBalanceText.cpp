// The crop water balance as text: the seasonal summary and the daily table.
#include <cstdio>

#include "irrigation/CropWaterBalance.h"

namespace etp {

namespace {

// A number with `decimals` decimals, never "-0.00".
std::string Fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string s = text;
    if (s.front() == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return s;
}

} // namespace

CropSummary SummarizeCropBalance(const CropBalance& balance)
{
    CropSummary s;
    s.DrStart = s.DrEnd = balance.DrStart;
    for (const CropBalanceDay& d : balance.days) {
        s.ETref += d.ETref;
        s.ETc += d.ETc;
        s.ETa += d.ETa;
        s.E += d.E;
        s.T += d.T;
        s.rain += d.rain;
        s.runoff += d.runoff;
        s.irrigation += d.irrigation;
        s.DP += d.DP;
        s.DrEnd = d.Dr;
        if (d.Ks < 1) ++s.stressDays;
    }
    return s;
}

std::string CropSummaryText(const CropBalance& balance)
{
    const CropSummary s = SummarizeCropBalance(balance);
    const bool dual = balance.kind == CoefficientKind::Dual;
    std::string text;
    const auto line = [&](const char* name, double value) { text += std::string(name) + '\t' + Fixed(value, 2) + '\n'; };
    line("ETref", s.ETref);
    line("ETc", s.ETc);
    line("ETa", s.ETa);
    if (dual) {
        line("E", s.E);
        line("T", s.T);
    }
    line("Rain", s.rain);
    line("Runoff", s.runoff);
    line("Irrigation", s.irrigation);
    line("DP", s.DP);
    line("Dr_start", s.DrStart);
    line("Dr_end", s.DrEnd);
    text += "Stress_days\t" + std::to_string(s.stressDays) + '\n';
    return text;
}

std::string CropDailyTable(const CropBalance& balance)
{
    const bool dual = balance.kind == CoefficientKind::Dual;
    std::string text = dual ? "Date\tETref\tKcb\tKe\tETc\tKs\tETa\tE\tT" : "Date\tETref\tKc\tETc\tKs\tETa";
    text += "\tRain\tRunoff\tIrrigation\tDP\tZr\tTAW\tRAW\tDr\n";
    for (const CropBalanceDay& d : balance.days) {
        text += d.date + '\t' + Fixed(d.ETref, 2) + '\t' + Fixed(d.Kc, 3);
        if (dual) text += '\t' + Fixed(d.Ke, 3);
        text += '\t' + Fixed(d.ETc, 2) + '\t' + Fixed(d.Ks, 3) + '\t' + Fixed(d.ETa, 2);
        if (dual) text += '\t' + Fixed(d.E, 2) + '\t' + Fixed(d.T, 2);
        for (const double mm : {d.rain, d.runoff, d.irrigation, d.DP}) text += '\t' + Fixed(mm, 2);
        text += '\t' + Fixed(d.Zr, 3);
        for (const double mm : {d.TAW, d.RAW, d.Dr}) text += '\t' + Fixed(mm, 2);
        text += '\n';
    }
    return text;
}

} // namespace etp
