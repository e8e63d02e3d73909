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
    // into: renaming a file over it would replace the device itself.
    const bool stream = fs::is_character_file(status) || fs::is_fifo(status);
    if (fs::exists(status) && !stream && !fs::is_regular_file(status)) return "it is not a file";

    const std::string temporary = stream ? target.string() : TemporaryNameBeside(target);
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) return Reason();

    bool ok = true;
    std::string reason;
    try {
        produce([&](std::string_view piece) {
            if (ok && std::fwrite(piece.data(), 1, piece.size(), file) != piece.size()) {
                ok = false;
                reason = Reason();
            }
        });
    } catch (...) {
        std::fclose(file);
        if (!stream) fs::remove(temporary, ec);
        throw;
    }
    if (std::fflush(file) != 0 && ok) {
        ok = false;
        reason = Reason();
    }
    // A device or a pipe has nothing to sync.
    if (ok && !stream && !SyncFile(file)) {
        ok = false;
        reason = Reason();
    }
    if (std::fclose(file) != 0 && ok) {
        ok = false;
        reason = Reason();
    }
    if (stream) return ok ? std::nullopt : std::optional<std::string>(reason.empty() ? "write failed" : reason);
    if (ok) {
        fs::rename(temporary, target, ec);
        if (!ec) {
            SyncFolder(target.has_parent_path() ? target.parent_path() : fs::path("."));
            return std::nullopt;
        }
        reason = ec.message();
    }
    fs::remove(temporary, ec);
    return reason.empty() ? std::string("write failed") : reason;
}

} // namespace etp
