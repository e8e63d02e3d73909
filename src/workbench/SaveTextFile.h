#pragma once
// The one way a command saves a file: ask for the name, show the busy pointer, build
// the text, write it beside the target and rename it over the target when complete,
// and tell the person when the data were refused or the file could not be written.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/AtomicFile.h"
#include "base/UserInterface.h"
#include "base/Messages.h"

namespace etp {

// A name holding * or ?: a pattern, not a file.
bool HasWildcard(std::string_view name);

// The name a save dialog proposes for a file made from the data file: the data file's
// name with the dialog's extension, and the tag before it ("debilt.txt", "*.tr" ->
// "debilt.tr"; tag "-summary" -> "debilt-summary.txt"). The dialog's pattern as it is
// when there is no data file or the pattern names no single extension.
std::string ProposedSaveName(const std::string& dataFile, const SaveDialog& dialog, std::string_view tag = {});

// The name chosen in the dialog; none when the person cancelled, left the name empty
// or kept a pattern. The dialog starts with the proposed name, or else with its pattern.
std::optional<std::string> AskSaveName(UserInterface& ui, const SaveDialog& dialog, const std::string& proposed = {});

// The whole text of a file, or its pieces in order, handed to the writer as they are made.
using TextBuilder = std::function<std::string()>;
using TextProducer = std::function<void(const PieceWriter&)>;

// Writes what build or produce makes to path. A RefusedInput or an ArithmeticError
// from them is shown as it is and writes nothing; a failed write shows "The file ...
// could not be written: reason." Either way the file that was at path is untouched.
// True when the file was written.
bool WriteTextFile(UserInterface& ui, const std::string& path, const TextBuilder& build);
bool WriteTextFile(UserInterface& ui, const std::string& path, const TextProducer& produce);

// AskSaveName, then WriteTextFile. The name of the file written; none when cancelled
// or after a message.
std::optional<std::string> SaveTextFile(UserInterface& ui, const SaveDialog& dialog, const TextBuilder& build,
                                        const std::string& proposed = {});
std::optional<std::string> SaveTextFile(UserInterface& ui, const SaveDialog& dialog, const TextProducer& produce,
                                        const std::string& proposed = {});

} // namespace etp
