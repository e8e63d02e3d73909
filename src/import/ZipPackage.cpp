#include "import/ZipPackage.h"

#include <algorithm>
#include <vector>

namespace etp {

namespace {

// The folder names and the file name of a part, as libgsf looks a child up.
std::vector<std::string> Segments(std::string_view name)
{
    std::vector<std::string> segments;
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t slash = std::min(name.find('/', start), name.size());
        if (slash > start) segments.emplace_back(name.substr(start, slash - start));
        start = slash + 1;
    }
    return segments;
}

} // namespace

ZipPackage::ZipPackage(GsfPointer<GsfInput> file, GsfPointer<GsfInfile> zip, std::uint64_t budget)
    : file_(std::move(file)), zip_(std::move(zip)), budget_(std::make_unique<Budget>(Budget{budget}))
{
}

std::optional<ZipPackage> ZipPackage::open(const std::string& path, std::string& failure)
{
    GsfPointer<GsfInput> file = OpenGsfFile(path, failure);
    if (!file) return std::nullopt;
    const GsfLibrary& gsf = LoadedGsf();
    GError* error = nullptr;
    const gsf_off_t size = gsf.inputSize(file.get());
    GsfPointer<GsfInfile> zip(gsf.infileZipNew(file.get(), &error));
    if (!zip) {
        // libgsf's own words ("Broken zip file structure") say no more than this.
        if (error) gsf.errorFree(error);
        failure = "it is a damaged zip file, or one cut short";
        return std::nullopt;
    }
    const auto fileSize = static_cast<std::uint64_t>(std::max<gsf_off_t>(size, 0));
    return ZipPackage(std::move(file), std::move(zip), std::min(kMaxInflatedBytes, kMaxInflationRatio * fileSize));
}

GsfPointer<GsfInput> ZipPackage::child(std::string_view name) const
{
    const std::vector<std::string> segments = Segments(name);
    if (segments.empty()) return nullptr;
    std::vector<const char*> names;
    for (const std::string& segment : segments) names.push_back(segment.c_str());
    names.push_back(nullptr);
    return GsfPointer<GsfInput>(LoadedGsf().infileChildByAname(zip_.get(), names.data()));
}

bool ZipPackage::has(std::string_view name) const { return child(name) != nullptr; }

std::optional<XmlReader> ZipPackage::xml(std::string_view name, std::string& failure)
{
    auto part = std::make_unique<Part>();
    part->input = child(name);
    if (!part->input) {
        failure = "it has no part " + std::string(name);
        return std::nullopt;
    }
    const gsf_off_t size = LoadedGsf().inputSize(part->input.get());
    if (size < 0 || static_cast<std::uint64_t>(size) > budget_->left) {
        failure = "its part " + std::string(name) + " would inflate to more than a workbook can hold";
        return std::nullopt;
    }
    part->left = static_cast<std::uint64_t>(size);
    part->budget = budget_.get();
    return XmlReader(std::move(part), std::string(name));
}

std::optional<std::string> ZipPackage::bytes(std::string_view name, std::size_t maxBytes)
{
    const GsfPointer<GsfInput> input = child(name);
    if (!input) return std::nullopt;
    const gsf_off_t size = LoadedGsf().inputSize(input.get());
    if (size < 0 || static_cast<std::uint64_t>(size) > std::min<std::uint64_t>(maxBytes, budget_->left)) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (size > 0 && !LoadedGsf().inputRead(input.get(), bytes.size(), reinterpret_cast<guint8*>(bytes.data())))
        return std::nullopt;
    budget_->left -= bytes.size();
    return bytes;
}

int ZipPackage::Part::read(char* buffer, int size)
{
    if (left == 0 || size <= 0) return 0;
    const std::uint64_t n = std::min<std::uint64_t>(left, static_cast<std::uint64_t>(size));
    if (n > budget->left) {
        failure = "would inflate to more than a workbook can hold";
        return -1;
    }
    if (!LoadedGsf().inputRead(input.get(), static_cast<std::size_t>(n), reinterpret_cast<guint8*>(buffer))) {
        failure = "is damaged (its data cannot be inflated)";
        return -1;
    }
    left -= n;
    budget->left -= n;
    return static_cast<int>(n);
}

} // namespace etp
