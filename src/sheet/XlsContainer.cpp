#include "sheet/XlsContainer.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input-stdio.h>
#include <gsf/gsf-utils.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <mutex>

namespace etp {

namespace {

struct Unref {
    void operator()(void* object) const { g_object_unref(object); }
};
template <typename T>
using GsfPointer = std::unique_ptr<T, Unref>;

constexpr std::uint8_t kCompoundFileMagic[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

void Ignore(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

void InitializeGsf()
{
    static std::once_flag once;
    std::call_once(once, [] {
        gsf_init();
        // A damaged file is answered with the import's own message; what the library
        // notices on the way is no news for the person (nor for etp's stderr).
        for (const char* domain : {"libgsf", "libgsf:msole", "libgsf:utils"})
            g_log_set_handler(domain, static_cast<GLogLevelFlags>(G_LOG_LEVEL_MASK), Ignore, nullptr);
    });
}

std::string Take(GError* error, const char* what)
{
    std::string reason = what;
    if (error) {
        reason += std::string(" (") + error->message + ")";
        g_error_free(error);
    }
    return reason;
}

bool ReadAll(GsfInput* input, std::uint64_t size, WorkbookStream& stream)
{
    stream.size = static_cast<std::size_t>(size);
    stream.data = std::make_unique_for_overwrite<std::uint8_t[]>(stream.size);
    if (gsf_input_seek(input, 0, G_SEEK_SET)) return false;
    std::size_t done = 0;
    while (done < stream.size) {
        const std::size_t n = std::min<std::size_t>(stream.size - done, std::size_t{1} << 20);
        if (!gsf_input_read(input, n, stream.data.get() + done)) return false;
        done += n;
    }
    return true;
}

std::optional<WorkbookStream> FromCompoundFile(GsfInput* file, std::uint64_t fileSize, std::string& failure)
{
    GError* error = nullptr;
    const GsfPointer<GsfInfile> container(gsf_infile_msole_new(file, &error));
    if (!container) {
        failure = Take(error, "its compound file is damaged");
        return std::nullopt;
    }
    int index = -1;
    WorkbookStream stream;
    const int children = gsf_infile_num_children(container.get());
    for (int i = 0; i < children; ++i) {
        const char* name = gsf_infile_name_by_index(container.get(), i);
        if (!name) continue;
        if (g_ascii_strcasecmp(name, "Workbook") == 0) {
            index = i, stream.version = 8;
            break;
        }
        if (g_ascii_strcasecmp(name, "Book") == 0 && index < 0) index = i, stream.version = 5;
    }
    if (index < 0) {
        failure = "its compound file holds no workbook";
        return std::nullopt;
    }
    const GsfPointer<GsfInput> child(gsf_infile_child_by_index(container.get(), index));
    if (!child) {
        failure = "its workbook stream cannot be opened";
        return std::nullopt;
    }
    const gsf_off_t size = gsf_input_size(child.get());
    // A stream is made of the file's sectors: one that claims more is damaged.
    if (size < 0 || static_cast<std::uint64_t>(size) > fileSize) {
        failure = "its workbook stream is larger than the file";
        return std::nullopt;
    }
    if (!ReadAll(child.get(), static_cast<std::uint64_t>(size), stream)) {
        failure = "its workbook stream cannot be read";
        return std::nullopt;
    }
    return stream;
}

std::optional<WorkbookStream> FromInput(GsfInput* file, std::string& failure)
{
    const gsf_off_t size = gsf_input_size(file);
    std::uint8_t head[8];
    if (size < static_cast<gsf_off_t>(sizeof head) || !gsf_input_read(file, sizeof head, head)) {
        failure = "it is too short for a workbook";
        return std::nullopt;
    }
    if (static_cast<std::uint64_t>(size) > kMaxWorkbookBytes) {
        failure = "it is larger than a workbook can be";
        return std::nullopt;
    }
    if (std::memcmp(head, kCompoundFileMagic, sizeof head) == 0)
        return FromCompoundFile(file, static_cast<std::uint64_t>(size), failure);
    if (!biff::IsBof(biff::U16(head))) {
        failure = "it is neither a compound file nor a BIFF stream";
        return std::nullopt;
    }
    WorkbookStream stream;
    if (!ReadAll(file, static_cast<std::uint64_t>(size), stream)) {
        failure = "it cannot be read";
        return std::nullopt;
    }
    return stream;
}

} // namespace

std::optional<WorkbookStream> ReadWorkbookStream(const std::string& path, std::string& failure)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        failure = "it is not a file";
        return std::nullopt;
    }
    InitializeGsf();
    GError* error = nullptr;
    const GsfPointer<GsfInput> file(gsf_input_stdio_new(path.c_str(), &error));
    if (!file) {
        failure = Take(error, "it cannot be opened");
        return std::nullopt;
    }
    return FromInput(file.get(), failure);
}

std::optional<WorkbookStream> ReadWorkbookStream(biff::Bytes file, std::string& failure)
{
    InitializeGsf();
    const GsfPointer<GsfInput> input(gsf_input_memory_new(file.data(), static_cast<gsf_off_t>(file.size()), FALSE));
    if (!input) {
        failure = "it is too short for a workbook";
        return std::nullopt;
    }
    return FromInput(input.get(), failure);
}

} // namespace etp
