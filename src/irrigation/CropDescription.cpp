#include "irrigation/CropDescription.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "base/Text.h"
#include "irrigation/CropPresets.h"
#include "sheet/DecimalText.h"
#include "sheet/NumericValue.h"

namespace etp {

namespace {

constexpr std::array<std::string_view, 27> kKeys = {
    "crop",     "soil",     "planting", "l_ini",   "l_dev",   "l_mid",     "l_late",   "coefficient", "kc_ini", "kc_mid",
    "kc_end",   "kcb_ini",  "kcb_mid",  "kcb_end", "kc_adjust", "h_max",   "zr_ini",   "zr_max",      "theta_fc",
    "theta_wp", "theta_0",  "p",        "cn2",     "rew",     "ze",        "tew",      "fw"};

struct Entry {
    std::string value;
    int line = 0;
    bool written = false; // in the text itself, not by a preset
};
using Entries = std::map<std::string, Entry, std::less<>>;

std::string Trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

std::string PresetNames(std::span<const Preset> presets)
{
    std::string names;
    for (const Preset& preset : presets) names += (names.empty() ? "" : ", ") + std::string(preset.name);
    return names;
}

// The key = value lines into entries, presets expanded at their line; the first problem.
std::optional<std::string> ReadEntries(std::string_view text, Entries& entries)
{
    int line = 0;
    for (std::size_t start = 0; start <= text.size(); ++line) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view raw = text.substr(start, end - start);
        start = end + 1;
        const std::string content = Trim(raw.substr(0, raw.find('#')));
        if (content.empty()) continue;
        const std::string where = "line " + std::to_string(line + 1) + ": ";
        const auto equals = content.find('=');
        if (equals == std::string::npos) return where + "not a key = value line: \"" + content + "\"";
        const std::string key = LowerCase(Trim(content.substr(0, equals)));
        const std::string value = Trim(content.substr(equals + 1));
        if (std::find(kKeys.begin(), kKeys.end(), key) == kKeys.end())
            return where + "unknown key \"" + key + "\"";
        entries[key] = {value, line + 1, true};
        if (key != "crop" && key != "soil") continue;
        const auto presets = key == "crop" ? CropPresets() : SoilPresets();
        const Preset* preset = FindPreset(presets, value);
        if (!preset)
            return where + key + " \"" + value + "\" is not a built-in " + key + "; the built-in ones are " +
                   PresetNames(presets);
        for (const auto& [presetKey, presetValue] : preset->keys)
            entries[std::string(presetKey)] = {std::string(presetValue), line + 1, false};
    }
    return std::nullopt;
}

// Reads the keys' values in turn, keeping the first problem.
class KeyReader {
public:
    explicit KeyReader(const Entries& entries) : entries_(entries) {}
    const std::optional<std::string>& problem() const { return problem_; }
    bool has(std::string_view key) const { return entries_.find(key) != entries_.end(); }
    bool written(std::string_view key) const
    {
        const auto found = entries_.find(key);
        return found != entries_.end() && found->second.written;
    }

    // A number within low..high (a whole one when whole), or the message naming the key.
    double number(std::string_view key, double low, double high, const std::string& range, bool whole = false)
    {
        const auto found = entries_.find(key);
        if (found == entries_.end()) return refuse("the key " + std::string(key) + " is missing");
        const std::string& text = found->second.value;
        const double value = NumericValue(text);
        if (IsFiniteNumberText(text) && value >= low && value <= high && (!whole || value == std::floor(value)))
            return value;
        return refuse(where(key) + std::string(key) + " must be " + range + ": \"" + text + "\"");
    }
    double optionalNumber(std::string_view key, double fallback, double low, double high, const std::string& range)
    {
        return has(key) ? number(key, low, high, range) : fallback;
    }
    // One of two words; the first when the key is absent.
    bool choice(std::string_view key, std::string_view first, std::string_view second)
    {
        const auto found = entries_.find(key);
        if (found == entries_.end()) return true;
        const std::string value = LowerCase(found->second.value);
        if (value == first) return true;
        if (value != second)
            refuse(where(key) + std::string(key) + " must be " + std::string(first) + " or " + std::string(second) +
                   ": \"" + found->second.value + "\"");
        return false;
    }
    CalendarDate date(std::string_view key)
    {
        const auto found = entries_.find(key);
        if (found == entries_.end()) return refuse("the key " + std::string(key) + " is missing"), CalendarDate{};
        if (const auto parts = DateParts(found->second.value)) return *parts;
        refuse(where(key) + std::string(key) + " must be a date such as 01/05/2019: \"" + found->second.value + "\"");
        return {};
    }
    double refuse(const std::string& message)
    {
        if (!problem_) problem_ = message;
        return 0;
    }
    std::string where(std::string_view key) const
    {
        const auto found = entries_.find(key);
        return found == entries_.end() ? std::string() : "line " + std::to_string(found->second.line) + ": ";
    }

private:
    const Entries& entries_;
    std::optional<std::string> problem_;
};

const std::string kCoefficientRange = "a number from 0 to 2";

void ReadCoefficients(KeyReader& keys, CropDescription& d)
{
    const bool dualWritten = keys.written("kcb_ini") || keys.written("kcb_mid") || keys.written("kcb_end");
    const bool dual = keys.has("coefficient") ? !keys.choice("coefficient", "single", "dual") : dualWritten;
    d.kind = dual ? CoefficientKind::Dual : CoefficientKind::Single;
    const std::string prefix = dual ? "kcb_" : "kc_";
    d.KcIni = keys.number(prefix + "ini", 0, 2, kCoefficientRange);
    d.KcMid = keys.number(prefix + "mid", 0, 2, kCoefficientRange);
    d.KcEnd = keys.number(prefix + "end", 0, 2, kCoefficientRange);
    d.kcAdjust = keys.choice("kc_adjust", "yes", "no");
    if (d.kcAdjust || dual) d.hMax = keys.number("h_max", 0.1, 10, "a height from 0.1 to 10 m");
}

void ReadSoil(KeyReader& keys, CropDescription& d)
{
    d.ZrIni = keys.number("zr_ini", 0.01, 10, "a depth from 0.01 to 10 m");
    d.ZrMax = keys.number("zr_max", d.ZrIni, 10, "a depth from zr_ini (" + DecimalText(d.ZrIni) + ") to 10 m");
    d.thetaFc = keys.number("theta_fc", 0.01, 1, "a water content from 0.01 to 1 m3 m-3");
    d.thetaWp = keys.number("theta_wp", 0, 1, "a water content from 0 to 1 m3 m-3");
    if (!keys.problem() && d.thetaWp >= d.thetaFc)
        keys.refuse(keys.where("theta_wp") + "theta_wp must be below theta_fc (" + DecimalText(d.thetaFc) + "): \"" +
                    DecimalText(d.thetaWp) + "\"");
    d.theta0 = keys.optionalNumber("theta_0", d.thetaFc, d.thetaWp, d.thetaFc,
                                   "a water content from theta_wp to theta_fc");
    d.p = keys.number("p", 0.1, 0.8, "a fraction from 0.1 to 0.8");
    if (keys.has("cn2")) d.cn2 = keys.number("cn2", 1, 100, "a curve number from 1 to 100");
}

void ReadSurfaceLayer(KeyReader& keys, CropDescription& d)
{
    d.fw = keys.optionalNumber("fw", 1, 0.01, 1, "a fraction from 0.01 to 1");
    if (d.kind != CoefficientKind::Dual) return;
    d.REW = keys.number("rew", 0, 100, "a depth from 0 to 100 mm");
    d.Ze = keys.number("ze", 0.01, 1, "a depth from 0.01 to 1 m");
    if (keys.problem()) return;
    d.TEW = keys.optionalNumber("tew", TotalEvaporableWater(d.thetaFc, d.thetaWp, d.Ze), 0, 500,
                                "a depth from 0 to 500 mm");
    if (!keys.problem() && d.TEW <= d.REW)
        keys.refuse(keys.where("rew") + "rew must be below TEW (" + DecimalText(d.TEW) + " mm): \"" +
                    DecimalText(d.REW) + "\"");
}

} // namespace

std::span<const std::string_view> CropDescriptionKeys() { return kKeys; }

CropDescriptionRead ReadCropDescription(std::string_view text)
{
    Entries entries;
    if (auto problem = ReadEntries(text, entries)) return {std::nullopt, *problem};
    KeyReader keys(entries);
    CropDescription d;
    if (keys.has("crop")) d.crop = LowerCase(entries.at("crop").value);
    if (keys.has("soil")) d.soil = LowerCase(entries.at("soil").value);
    d.planting = keys.date("planting");
    const std::array<std::string_view, 4> stages = {"l_ini", "l_dev", "l_mid", "l_late"};
    for (std::size_t k = 0; k < stages.size(); ++k)
        d.stages[k] = static_cast<int>(keys.number(stages[k], 1, 366, "a whole number of days from 1 to 366", true));
    ReadCoefficients(keys, d);
    ReadSoil(keys, d);
    ReadSurfaceLayer(keys, d);
    if (keys.problem()) return {std::nullopt, *keys.problem()};
    return {d, {}};
}

} // namespace etp
