#include "base/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#if defined(_WIN32)
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace etp {

namespace {

std::string TemporaryNameBeside(const std::filesystem::path& target)
{
    thread_local std::mt19937_64 generator{std::random_device{}()}; // stations are written from several threads
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%016llx.tmp", static_cast<unsigned long long>(generator()));
    auto name = target;
    name += suffix;
    return name.string();
}

std::string Reason() { return std::strerror(errno); }

// The file's bytes on the disk itself, not only in the system's cache: a power cut after
// the rename must not leave an empty or partial file under the final name.
bool SyncFile(std::FILE* file)
{
#if defined(_WIN32)
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

// Writes what produce makes into the file `name` (created, or emptied), flushed, and on
// the disk itself when `sync`; the reason of the first failure. Once a write has failed
// the pieces still to come are dropped. An exception from produce closes the file and
// goes on.
std::optional<std::string> WriteAll(const std::string& name, const std::function<void(const PieceWriter&)>& produce,
                                    bool sync)
{
    std::FILE* file = std::fopen(name.c_str(), "wb");
    if (!file) return Reason();
    std::optional<std::string> failure;
    const auto fail = [&] {
        if (!failure) failure = Reason();
    };
    try {
        produce([&](std::string_view piece) {
            if (!failure && std::fwrite(piece.data(), 1, piece.size(), file) != piece.size()) fail();
        });
    } catch (...) {
        std::fclose(file);
        throw;
    }
    if (std::fflush(file) != 0) fail();
    if (!failure && sync && !SyncFile(file)) fail();
    if (std::fclose(file) != 0) fail();
    return failure;
}

} // namespace

void SyncFolder(const std::filesystem::path& folder)
{
#if !defined(_WIN32)
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return; // what it names is in place already; a folder that cannot be synced fails nothing
    fsync(fd);
    close(fd);
#else
    (void)folder;
#endif
}

std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view content)
{
    return WriteFileAtomically(path, [content](const PieceWriter& write) { write(content); });
}

std::optional<std::string> WriteFileAtomically(const std::string& path,
                                               const std::function<void(const PieceWriter&)>& produce)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    // A link is followed: the file it names is replaced, and the link stays.
    const fs::path target = fs::is_symlink(path, ec) ? fs::weakly_canonical(path, ec) : fs::path(path);
    const fs::file_status status = fs::status(target, ec);
    if (fs::is_directory(status)) return "it is a folder";
    // A device or a pipe (/dev/null, /dev/stdout, a shell's >(...)) is written straight
    // into: renaming a file over it would replace the device itself. It has nothing to sync.
    const bool stream = fs::is_character_file(status) || fs::is_fifo(status);
    if (fs::exists(status) && !stream && !fs::is_regular_file(status)) return "it is not a file";
    if (stream) return WriteAll(target.string(), produce, false);

    const std::string temporary = TemporaryNameBeside(target);
    std::optional<std::string> failure;
    try {
        failure = WriteAll(temporary, produce, true);
    } catch (...) {
        fs::remove(temporary, ec);
        throw;
    }
    if (!failure) {
        fs::rename(temporary, target, ec);
        if (!ec) {
            SyncFolder(target.has_parent_path() ? target.parent_path() : fs::path("."));
            return std::nullopt;
        }
        failure = ec.message();
    }
    fs::remove(temporary, ec);
    return failure;
}

std::optional<std::string> WriteGatheredFile(const std::string& path,
                                             const std::function<void(const PieceWriter&)>& produce)
{
    std::error_code ec;
    std::optional<std::string> failure;
    try {
        failure = WriteAll(path, produce, true);
    } catch (...) {
        std::filesystem::remove(path, ec);
        throw;
    }
    if (failure) std::filesystem::remove(path, ec);
    return failure;
}

} // namespace etp
