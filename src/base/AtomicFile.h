#pragma once
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace etp {

// Writes content to a temporary file beside path and renames it over path only when
// every byte is on disk: a failed write leaves the old file as it was and no stray file.
// A link is followed (the file it names is replaced); a device or a pipe is written
// straight into; a folder or another kind of file is refused. Returns the reason when it
// failed.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view content);

// The same for content made piece by piece: produce hands each piece to the writer it is
// given, in order, so a large file never needs to be held whole. Once a write has failed
// the writer ignores the pieces still to come.
using PieceWriter = std::function<void(std::string_view piece)>;
std::optional<std::string> WriteFileAtomically(const std::string& path,
                                               const std::function<void(const PieceWriter&)>& produce);

// The same for a file of a folder of the program's own that nothing reads until its files
// are moved into place and that place synced (the station runner's): the content goes to
// path itself and is synced, with no temporary file and no sync of the folder, since the
// move gives what the rename gives above. That halves the disk syncs of a station. A
// failed write leaves no file.
std::optional<std::string> WriteGatheredFile(const std::string& path,
                                             const std::function<void(const PieceWriter&)>& produce);

// The entries of a folder on the disk itself, so that a file renamed or moved into it
// keeps its name after a power cut. A folder that cannot be opened is left as it is.
void SyncFolder(const std::filesystem::path& folder);

} // namespace etp
