#include "workbench/SaveTextFile.h"

#include <filesystem>

#include "base/Refusal.h"
#include "models/ModelFile.h"

namespace etp {

namespace {

// Writes what produce makes to the place.
std::optional<std::string> WriteTo(const FilePlace& place, const TextProducer& produce)
{
    return place.gathered ? WriteGatheredFile(place.path, produce) : WriteFileAtomically(place.path, produce);
}

// Runs write (which builds and writes to the place it is given) under the busy pointer
// and turns every way it can fail into the message of today's saves, naming path.
bool WriteShowingFailure(UserInterface& ui, const std::string& path,
                         const std::function<std::optional<std::string>(const FilePlace& place)>& write)
{
    auto busy = ui.busy(Pointer::Busy);
    std::optional<std::string> failure;
    try {
        failure = write(ui.placeToWrite(path));
    } catch (const RefusedInput& refusal) {
        ui.message(refusal.what(), kApplicationTitle, Icon::Critical);
        return false;
    } catch (const ArithmeticError& error) {
        ui.message(std::string("Arithmetic error: ") + error.what(), kApplicationTitle, Icon::Critical);
        return false;
    }
    if (failure) {
        ui.message("The file " + path + " could not be written: " + *failure + ".", kApplicationTitle, Icon::Critical);
        return false;
    }
    return true;
}

} // namespace

bool HasWildcard(std::string_view name) { return name.find_first_of("*?") != std::string_view::npos; }

std::string ProposedSaveName(const std::string& dataFile, const SaveDialog& dialog, std::string_view tag)
{
    const std::string_view pattern = dialog.initialName;
    const bool oneExtension = pattern.starts_with("*.") && !HasWildcard(pattern.substr(2)) &&
                              pattern.find(';') == std::string_view::npos;
    const std::filesystem::path data(dataFile);
    if (!oneExtension || data.stem().empty()) return std::string(pattern);
    return data.stem().string() + std::string(tag) + std::string(pattern.substr(1));
}

std::optional<std::string> AskSaveName(UserInterface& ui, const SaveDialog& dialog, const std::string& proposed)
{
    auto name = ui.chooseSaveFile(proposed.empty() ? std::string(dialog.initialName) : proposed, dialog.title);
    if (!name || name->empty() || HasWildcard(*name)) return std::nullopt;
    return name;
}

bool WriteTextFile(UserInterface& ui, const std::string& path, const TextBuilder& build)
{
    // The whole text is made before the file is touched: refused data never meet a file.
    return WriteShowingFailure(ui, path, [&](const FilePlace& place) {
        const std::string text = build();
        return WriteTo(place, [&](const PieceWriter& write) { write(text); });
    });
}

bool WriteTextFile(UserInterface& ui, const std::string& path, const TextProducer& produce)
{
    return WriteShowingFailure(ui, path, [&](const FilePlace& place) { return WriteTo(place, produce); });
}

std::optional<std::string> SaveTextFile(UserInterface& ui, const SaveDialog& dialog, const TextBuilder& build,
                                        const std::string& proposed)
{
    auto name = AskSaveName(ui, dialog, proposed);
    if (!name || !WriteTextFile(ui, *name, build)) return std::nullopt;
    return name;
}

std::optional<std::string> SaveTextFile(UserInterface& ui, const SaveDialog& dialog, const TextProducer& produce,
                                        const std::string& proposed)
{
    auto name = AskSaveName(ui, dialog, proposed);
    if (!name || !WriteTextFile(ui, *name, produce)) return std::nullopt;
    return name;
}

} // namespace etp
