#pragma once
// The built-in crops and soils a crop description names with `crop = NAME` and
// `soil = NAME`: each a list of key = value texts, as if written at that line.
#include <span>
#include <string_view>
#include <utility>

namespace etp {

using PresetKey = std::pair<std::string_view, std::string_view>; // key, value text

struct Preset {
    std::string_view name;
    std::span<const PresetKey> keys;
};

// maize, wheat, barley, potato, sugar beet, tomato, soybean, sunflower, cotton, alfalfa,
// grass, grapes, citrus, olives.
std::span<const Preset> CropPresets();
// The texture classes of FAO-56 Table 19, sand to clay.
std::span<const Preset> SoilPresets();

// The preset of this name (written as in the list, blanks and case as they are); none
// when there is no such preset.
const Preset* FindPreset(std::span<const Preset> presets, std::string_view name);

} // namespace etp
