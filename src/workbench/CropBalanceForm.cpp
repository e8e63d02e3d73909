#include "workbench/CropBalanceForm.h"

#include <vector>

#include "irrigation/CropPresets.h"

namespace etp {

namespace {

bool Choose(CropBalanceForm& form, std::string& chosen, std::span<const Preset> presets, std::string_view name)
{
    const Preset* preset = FindPreset(presets, name);
    if (!preset) return false;
    chosen = std::string(preset->name);
    for (const auto& [key, value] : preset->keys) form.keys[std::string(key)] = std::string(value);
    return true;
}

} // namespace

CropBalanceForm::CropBalanceForm()
{
    for (const std::string_view key : CropBoxKeys()) keys[std::string(key)];
    // Written, so that the basal coefficients the crop fills in do not choose the dual one.
    keys["coefficient"] = "single";
    keys["kc_adjust"] = "yes";
    ChooseCropPreset(*this, "maize");
    ChooseSoilPreset(*this, "sandy loam");
}

std::span<const std::string_view> CropBoxKeys()
{
    static const std::vector<std::string_view> boxes = [] {
        std::vector<std::string_view> keys;
        for (const std::string_view key : CropDescriptionKeys())
            if (key != "crop" && key != "soil") keys.push_back(key);
        return keys;
    }();
    return boxes;
}

bool ChooseCropPreset(CropBalanceForm& form, std::string_view name) { return Choose(form, form.crop, CropPresets(), name); }

bool ChooseSoilPreset(CropBalanceForm& form, std::string_view name) { return Choose(form, form.soil, SoilPresets(), name); }

} // namespace etp
