#include "import/BiffRecords.h"

#include <gtest/gtest.h>

#include <optional>

#include "support/BiffBuilder.h"

namespace etp {

namespace {

using testing::Body;

// A BIFF8 string read across the given records, which it must use up; nullopt when the
// cursor refuses it.
std::optional<std::string> Unicode(const std::vector<Body>& records)
{
    std::vector<biff::Bytes> segments;
    for (const Body& body : records) segments.emplace_back(body.data);
    std::string out;
    biff::Cursor cursor(std::move(segments));
    if (!cursor.unicodeString(2, out)) return std::nullopt;
    return cursor.atEnd() ? out : "not at the end";
}

} // namespace

// Where the characters go on in a CONTINUE record, it starts with new flags, which may
// switch between one- and two-byte characters. Rich-text runs (4 bytes each) and phonetic
// data follow the characters and are skipped. Damaged strings read nothing past the end.
TEST(BiffCursor, UnicodeStrings)
{
    const std::pair<std::vector<Body>, std::optional<std::string>> cases[] = {
        {{Body().narrow("Gr\xE4""der")}, "Gr\xC3\xA4""der"}, // Latin-1 ä
        {{Body().wide(u"Дождь ∂")}, "Дождь ∂"},
        {{Body().wide(u"\U0001D11E")}, "\xF0\x9D\x84\x9E"},       // a surrogate pair
        {{Body().u16(6).u8(0).bytes("abc"), Body().u8(1).u16(u'Ж').u16(u'e').u16(u'f')}, "abcЖef"},
        {{Body().u16(2).u8(0), Body().u8(0).bytes("ok")}, "ok"}, // a header at the very end of a record
        {{Body().u16(2).u8(1).u16(0xD834), Body().u8(1).u16(0xDD1E)}, "\xF0\x9D\x84\x9E"}, // pair split
        {{Body().u16(2).u8(0x0C).u16(1).u32(3).bytes("ab").u32(0xFFFFFFFF).bytes("xyz")}, "ab"},
        {{Body().u16(10).u8(0).bytes("short")}, std::nullopt},              // fewer characters than counted
        {{Body().u16(3).u8(1).u16('a').u8('b'), Body().u8(1).u16('c')}, std::nullopt}, // split character
        {{Body().u16(1).u8(0x08).u16(60000).bytes("a")}, std::nullopt},       // runs past the end
    };
    int k = 0;
    for (const auto& [records, expected] : cases) EXPECT_EQ(Unicode(records), expected) << "case " << k++;
}

} // namespace etp
