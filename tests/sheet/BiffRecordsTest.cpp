#include "sheet/BiffRecords.h"

#include <gtest/gtest.h>

#include <optional>

#include "sheet/CodepageDecoder.h"
#include "support/BiffBuilder.h"

namespace etp {

namespace {

using testing::Body;
using testing::Stream;

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
        {{Body().wide(u"a\xD800""b")}, "a\xEF\xBF\xBD""b"},       // a lone surrogate
        {{Body().u16(6).u8(0).bytes("abc"), Body().u8(1).u16(u'Ж').u16(u'e').u16(u'f')}, "abcЖef"},
        {{Body().u16(2).u8(0), Body().u8(0).bytes("ok")}, "ok"}, // a header at the very end of a record
        {{Body().u16(2).u8(1).u16(0xD834), Body().u8(1).u16(0xDD1E)}, "\xF0\x9D\x84\x9E"}, // pair split
        {{Body().u16(2).u8(0x0C).u16(1).u32(3).bytes("ab").u32(0xFFFFFFFF).bytes("xyz")}, "ab"},
        {{Body().u16(10).u8(0).bytes("short")}, std::nullopt},              // fewer characters than counted
        {{Body().u16(3).u8(1).u16('a').u8('b'), Body().u8(1).u16('c')}, std::nullopt}, // split character
        {{Body().u16(1).u8(0x08).u16(60000).bytes("a")}, std::nullopt},       // runs past the end
        {{Body().u16(1)}, std::nullopt},                                     // no flags
    };
    int k = 0;
    for (const auto& [records, expected] : cases) EXPECT_EQ(Unicode(records), expected) << "case " << k++;
}

TEST(CodepageDecoder, ByteStringsOfBiff5)
{
    const std::tuple<int, std::string, std::string> cases[] = {
        {1252, "Temp\xB0 \x80", "Temp° €"},
        {1251, "\xC4\xEE\xE6\xE4\xFC", "Дождь"},
        {0x8000, "\x8A", "ä"},          // BIFF's number for Apple Roman
        {4242, "\xE4", "ä"},            // no such code page: read as 1252
        {1252, "\x81", "\xEF\xBF\xBD"}, // a byte 1252 leaves undefined
    };
    for (const auto& [codepage, bytes, expected] : cases) {
        std::string out;
        const Body body = Body().counted(bytes, 1);
        biff::Cursor cursor(body.data);
        ASSERT_TRUE(cursor.byteString(1, CodepageDecoder(codepage), out)) << codepage;
        EXPECT_EQ(out, expected) << codepage;
    }
}

// A record and its CONTINUE records; a header or a body past the end is cut short.
TEST(BiffRecordReader, RecordsContinuesAndCutStreams)
{
    Stream s;
    s.record(0x00FC, Body().bytes("ab"));
    s.record(0x003C, Body().bytes("c"));
    s.record(0x003C, Body());
    s.record(0x0203, Body().bytes("xyz"));
    biff::RecordReader reader(s.data, 0);
    biff::Record record;
    ASSERT_TRUE(reader.next(record));
    EXPECT_EQ(record.id, 0x00FC);
    EXPECT_EQ(reader.withContinues(record).size(), 3u);
    ASSERT_TRUE(reader.next(record));
    EXPECT_EQ(record.id, 0x0203);
    EXPECT_EQ(record.data.size(), 3u);
    EXPECT_FALSE(reader.next(record));
    EXPECT_FALSE(reader.truncated());

    const std::size_t last = s.data.size() - 7;
    for (const std::size_t keep : {last + 2, last + 5}) { // half a header; a body cut short
        biff::RecordReader cut(biff::Bytes(s.data).first(keep), last);
        EXPECT_FALSE(cut.next(record)) << keep;
        EXPECT_TRUE(cut.truncated()) << keep;
    }
    biff::RecordReader outside(s.data, 1000);
    EXPECT_FALSE(outside.next(record));
    EXPECT_TRUE(outside.truncated());
}

// An embedded chart is a substream inside the worksheet's: its records are not the sheet's.
TEST(BiffSubstreamReader, SkipsNestedSubstreamsAndTellsWhetherItEnded)
{
    Stream s;
    s.record(0x0809, Body().u16(0x0600).u16(0x0010));
    s.record(0x0203, Body().bytes("1"));
    s.record(0x0809, Body().u16(0x0600).u16(0x0020));
    s.record(0x0203, Body().bytes("chart"));
    s.record(0x000A);
    s.record(0x0203, Body().bytes("2"));
    const std::size_t end = s.record(0x000A);
    s.record(0x0203, Body().bytes("next sheet"));

    biff::SubstreamReader reader(s.data, 0);
    biff::Record record;
    ASSERT_TRUE(reader.started(record));
    std::string seen;
    while (reader.next(record)) seen.append(record.data.begin(), record.data.end());
    EXPECT_EQ(seen, "12");
    EXPECT_TRUE(reader.complete());

    biff::SubstreamReader unfinished(biff::Bytes(s.data).first(end), 0);
    while (unfinished.next(record)) {
    }
    EXPECT_FALSE(unfinished.complete());
    EXPECT_FALSE(biff::SubstreamReader(s.data, 4).started(record)); // not at a BOF record
}

} // namespace etp
