#include "base/FileBytes.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace etp {

namespace {

// Closes the descriptor when the file has been mapped or read.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

std::optional<FileBytes> FileBytes::open(const std::string& path, std::string& reason)
{
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat status {};
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0) {
        reason = "it cannot be opened";
        return std::nullopt;
    }
    if (S_ISDIR(status.st_mode)) {
        reason = "it is a folder";
        return std::nullopt;
    }
    FileBytes result;
    if (S_ISREG(status.st_mode) && status.st_size > 0) {
        const auto size = static_cast<std::size_t>(status.st_size);
        void* mapping = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, file.get(), 0);
        if (mapping != MAP_FAILED) {
            result.mapped_ = static_cast<const char*>(mapping);
            result.size_ = size;
            return result;
        }
    }
    char piece[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(file.get(), piece, sizeof piece);
        if (got == 0) return result;
        if (got < 0) {
            if (errno == EINTR) continue;
            reason = "it cannot be read";
            return std::nullopt;
        }
        result.read_.append(piece, static_cast<std::size_t>(got));
    }
}

FileBytes::FileBytes(FileBytes&& other) noexcept
    : mapped_(std::exchange(other.mapped_, nullptr)), size_(std::exchange(other.size_, 0)), read_(std::move(other.read_))
{
}

FileBytes::~FileBytes()
{
    if (mapped_) ::munmap(const_cast<char*>(mapped_), size_);
}

} // namespace etp
