#pragma once
// The parts of a zip package (.xlsx, .ods), read through libgsf's zip reader and handed
// to libxml2's streaming reader a piece at a time.
//
// Everything the parts inflate to counts against one budget: at most 512 MiB, and at most
// 200 times the size of the file. A zip bomb is refused once it has inflated that much,
// whatever its directory claims, and a part whose directory entry alone claims more is
// refused before a byte of it is inflated. 512 MiB holds some 13 million cells as
// spreadsheet programs write them, more than any weather series has, and is read in
// about 6 s: a file that only wants to keep the program busy is refused well within 10 s.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "import/GsfLibrary.h"
#include "import/XmlReader.h"

namespace etp {

class ZipPackage {
public:
    static constexpr std::uint64_t kMaxInflatedBytes = std::uint64_t{512} << 20;
    static constexpr std::uint64_t kMaxInflationRatio = 200;

    // nullopt, with the reason, for a file that cannot be read or is no zip (or a
    // damaged or cut short one).
    static std::optional<ZipPackage> open(const std::string& path, std::string& failure);

    // Whether the package holds the part ("xl/workbook.xml": folders by "/").
    bool has(std::string_view name) const;
    // The part as an XML stream; nullopt, with the reason, when it is missing or would
    // inflate past the budget.
    std::optional<XmlReader> xml(std::string_view name, std::string& failure);
    // A short part whole ("mimetype"); nullopt when it is missing, damaged or longer
    // than maxBytes.
    std::optional<std::string> bytes(std::string_view name, std::size_t maxBytes);

private:
    struct Budget {
        std::uint64_t left;
    };
    // One part being inflated: what libxml2 reads through.
    struct Part : XmlSource {
        GsfPointer<GsfInput> input;
        std::uint64_t left = 0; // bytes of the part not read yet
        Budget* budget = nullptr;
        int read(char* buffer, int size) override;
    };

    ZipPackage(GsfPointer<GsfInput> file, GsfPointer<GsfInfile> zip, std::uint64_t budget);
    GsfPointer<GsfInput> child(std::string_view name) const;

    GsfPointer<GsfInput> file_;
    GsfPointer<GsfInfile> zip_;
    std::unique_ptr<Budget> budget_; // the parts read keep a pointer to it
};

} // namespace etp
