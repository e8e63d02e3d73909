#include "import/XlsContainer.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>

#include "import/GsfLibrary.h"

namespace etp {

namespace {

const char* kEncryptedPackage[] = {"EncryptedPackage", nullptr};

constexpr std::uint8_t kCompoundFileMagic[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

// Stream names compare without regard to the case of ASCII letters.
bool SameLetters(const char* a, const char* b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (; *a && *b; ++a, ++b)
        if (lower(*a) != lower(*b)) return false;
    return *a == *b;
}

bool ReadAll(GsfInput* input, std::uint64_t size, WorkbookStream& stream)
{
    stream.size = static_cast<std::size_t>(size);
    stream.data = std::make_unique_for_overwrite<std::uint8_t[]>(stream.size);
    const GsfLibrary& gsf = LoadedGsf();
    if (gsf.inputSeek(input, 0, G_SEEK_SET)) return false;
    std::size_t done = 0;
    while (done < stream.size) {
        const std::size_t n = std::min<std::size_t>(stream.size - done, std::size_t{1} << 20);
        if (!gsf.inputRead(input, n, stream.data.get() + done)) return false;
        done += n;
    }
    return true;
}

std::optional<WorkbookStream> FromCompoundFile(GsfInput* file, std::uint64_t fileSize, std::string& failure)
{
    const GsfLibrary& gsf = LoadedGsf();
    GError* error = nullptr;
    const GsfPointer<GsfInfile> container(gsf.infileMsoleNew(file, &error));
    if (!container) {
        failure = GsfReason(error, "its compound file is damaged");
        return std::nullopt;
    }
    int index = -1;
    WorkbookStream stream;
    const int children = gsf.infileNumChildren(container.get());
    for (int i = 0; i < children; ++i) {
        const char* name = gsf.infileNameByIndex(container.get(), i);
        if (!name) continue;
        if (SameLetters(name, "Workbook")) {
            index = i, stream.version = 8;
            break;
        }
        if (SameLetters(name, "Book") && index < 0) index = i, stream.version = 5;
    }
    if (index < 0) {
        // Office keeps a workbook saved with a password (.xlsx and .xls alike) as an
        // encrypted package in a compound file.
        const GsfPointer<GsfInput> encrypted(gsf.infileChildByAname(container.get(), kEncryptedPackage));
        failure = encrypted ? "it is protected by a password" : "its compound file holds no workbook";
        return std::nullopt;
    }
    const GsfPointer<GsfInput> child(gsf.infileChildByIndex(container.get(), index));
    if (!child) {
        failure = "its workbook stream cannot be opened";
        return std::nullopt;
    }
    const gsf_off_t size = gsf.inputSize(child.get());
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
    const GsfLibrary& gsf = LoadedGsf();
    const gsf_off_t size = gsf.inputSize(file);
    std::uint8_t head[8];
    if (size < static_cast<gsf_off_t>(sizeof head) || !gsf.inputRead(file, sizeof head, head)) {
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
    const GsfPointer<GsfInput> file = OpenGsfFile(path, failure);
    if (!file) return std::nullopt;
    return FromInput(file.get(), failure);
}

std::optional<WorkbookStream> ReadWorkbookStream(biff::Bytes file, std::string& failure)
{
    const GsfLibrary* gsf = LoadGsfLibrary();
    if (!gsf) {
        failure = kGsfMissing;
        return std::nullopt;
    }
    const GsfPointer<GsfInput> input(gsf->inputMemoryNew(file.data(), static_cast<gsf_off_t>(file.size()), FALSE));
    if (!input) {
        failure = "it is too short for a workbook";
        return std::nullopt;
    }
    return FromInput(input.get(), failure);
}

} // namespace etp
