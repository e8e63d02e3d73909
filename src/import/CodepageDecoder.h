#pragma once
// The byte strings of BIFF2-5 workbooks, in the code page their CODEPAGE record names,
// decoded to UTF-8 through the conversions of the compound-file library.
#include "import/BiffRecords.h"

namespace etp {

class CodepageDecoder final : public biff::ByteDecoder {
public:
    // A code page this program does not know reads as Windows-1252, and where even that
    // conversion is missing, as Latin-1.
    explicit CodepageDecoder(int codepage);
    ~CodepageDecoder() override;
    CodepageDecoder(const CodepageDecoder&) = delete;
    CodepageDecoder& operator=(const CodepageDecoder&) = delete;

    // A byte the code page does not hold becomes U+FFFD.
    void append(std::string& out, biff::Bytes bytes) const override;

private:
    void* converter_ = nullptr; // GIConv, null when only Latin-1 is left
};

} // namespace etp
