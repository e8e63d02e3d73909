#include "import/CodepageDecoder.h"

#include <algorithm>
#include <cerrno>
#include <iterator>

#include "import/GsfLibrary.h"

namespace etp {

namespace {

// The single-byte and East Asian code pages of DOS, Windows and the Macintosh that
// workbooks name; anything else (a damaged CODEPAGE record) reads as Windows-1252
// rather than make the library warn on stderr.
bool Known(int codepage)
{
    static constexpr int kKnown[] = {437,  720,  737,  775,  850,  852,  855,  857,  858,   860,   861,   862,
                                     863,  864,  865,  866,  869,  874,  932,  936,  949,   950,   1250,  1251,
                                     1252, 1253, 1254, 1255, 1256, 1257, 1258, 1361, 10000, 10006, 10007, 10029};
    return std::find(std::begin(kKnown), std::end(kKnown), codepage) != std::end(kKnown);
}

GIConv Open(const GsfLibrary& gsf, int codepage)
{
    // Code pages that only BIFF uses: 0x8000 for Apple Roman, 0x8001 for Windows-1252;
    // 367 (US-ASCII) is a part of 1252.
    if (codepage == 0x8000) codepage = 10000;
    if (!Known(codepage)) codepage = 1252;
    GIConv converter = gsf.msoleIconvOpenForImport(codepage);
    if (converter == reinterpret_cast<GIConv>(-1) && codepage != 1252)
        converter = gsf.msoleIconvOpenForImport(1252);
    return converter;
}

} // namespace

CodepageDecoder::CodepageDecoder(int codepage)
{
    // Without the library (a workbook could not have been opened either) only Latin-1 is left.
    const GsfLibrary* gsf = LoadGsfLibrary();
    if (!gsf) return;
    GIConv converter = Open(*gsf, codepage);
    if (converter != reinterpret_cast<GIConv>(-1)) converter_ = converter;
}

CodepageDecoder::~CodepageDecoder()
{
    if (converter_) LoadGsfLibrary()->iconvClose(static_cast<GIConv>(converter_));
}

void CodepageDecoder::append(std::string& out, biff::Bytes bytes) const
{
    if (std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b < 0x80; })) {
        out.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return;
    }
    if (!converter_) {
        biff::AppendLatin1(out, bytes);
        return;
    }
    const auto converter = static_cast<GIConv>(converter_);
    const auto iconv = LoadGsfLibrary()->iconv;
    iconv(converter, nullptr, nullptr, nullptr, nullptr); // a fresh shift state
    char* in = const_cast<char*>(reinterpret_cast<const char*>(bytes.data()));
    gsize inLeft = bytes.size();
    char buffer[256];
    while (inLeft > 0) {
        char* outPtr = buffer;
        gsize outLeft = sizeof buffer;
        const gsize done = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (done != static_cast<gsize>(-1)) continue;
        if (errno == E2BIG) continue;
        out += "\xEF\xBF\xBD"; // U+FFFD for a byte the code page lacks or a sequence cut short
        ++in;
        --inLeft;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
    }
}

} // namespace etp
