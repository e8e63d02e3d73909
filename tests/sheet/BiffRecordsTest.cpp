#include "sheet/BiffRecords.h"

#include <gtest/gtest.h>

#include "sheet/CodepageDecoder.h"
#include "support/BiffBuilder.h"

namespace etp {

namespace {

using testing::Body;
using testing::Stream;

biff::Bytes Of(const Body& body) { return body.data; }

std::string Unicode(std::vector<biff::Bytes> segments, bool expectRead = true)
{
    std::string out;
    biff::Cursor cursor(std::move(segments));
    EXPECT_EQ(cursor.unicodeString(2, out), expectRead);
    return out;
}

} // namespace

TEST(BiffCursor, UnicodeStringsOfOneAndTwoByteCharacters)
{
    EXPECT_EQ(Unicode({Of(Body().narrow("RAIN"))}), "RAIN");
    EXPECT_EQ(Unicode({Of(Body().narrow("Gr\xE4""der"))}), "Gr\xC3\xA4""der"); // Latin-1 ä
    EXPECT_EQ(Unicode({Of(Body().wide(u"Дождь ∂"))}), "Дождь ∂");
    EXPECT_EQ(Unicode({Of(Body().wide(u"\U0001D11E"))}), "\xF0\x9D\x84\x9E"); // a surrogate pair
    EXPECT_EQ(Unicode({Of(Body().wide(u"a\xD800""b"))}), "a\xEF\xBF\xBD""b"); // a lone surrogate
    EXPECT_EQ(Unicode({Of(Body().narrow(""))}), "");
}

// Rich-text runs (4 bytes each) and phonetic data follow the characters and are skipped.
TEST(BiffCursor, RichTextAndPhoneticDataAreSkipped)
{
    const Body body = Body().u16(2).u8(0x0C).u16(1).u32(3).bytes("ab").u32(0xFFFFFFFF).bytes("xyz").narrow("next");
    biff::Cursor cursor(Of(body));
    std::string first, second;
    ASSERT_TRUE(cursor.unicodeString(2, first));
    ASSERT_TRUE(cursor.unicodeString(2, second));
    EXPECT_EQ(first, "ab");
    EXPECT_EQ(second, "next");
    EXPECT_TRUE(cursor.atEnd());
}

// Where the characters go on in a CONTINUE record, it starts with new flags, which may
// switch between one- and two-byte characters.
TEST(BiffCursor, CharactersGoOnAfterNewFlagsInTheNextRecord)
{
    const Body head = Body().u16(6).u8(0).bytes("abc");
    const Body wide = Body().u8(1).u16(u'Ж').u16(u'e').u16(u'f');
    EXPECT_EQ(Unicode({Of(head), Of(wide)}), "abcЖef");

    const Body wideHead = Body().u16(4).u8(1).u16(u'Ж').u16(u'Ж');
    const Body narrow = Body().u8(0).bytes("zz");
    EXPECT_EQ(Unicode({Of(wideHead), Of(narrow)}), "ЖЖzz");

    // A header at the very end of a record: the characters' record still starts with flags.
    EXPECT_EQ(Unicode({Of(Body().u16(2).u8(0)), Of(Body().u8(0).bytes("ok"))}), "ok");
}

// A surrogate pair split between two records still makes one character.
TEST(BiffCursor, SurrogatePairAcrossRecords)
{
    const Body head = Body().u16(2).u8(1).u16(0xD834);
    const Body tail = Body().u8(1).u16(0xDD1E);
    EXPECT_EQ(Unicode({Of(head), Of(tail)}), "\xF0\x9D\x84\x9E");
}

TEST(BiffCursor, DamagedStringsFailAndReadNothingPastTheEnd)
{
    Unicode({Of(Body().u16(10).u8(0).bytes("short"))}, false);            // fewer characters than counted
    Unicode({Of(Body().u16(2).u8(1).u16('a').u8('b'))}, false);            // half a character at the end
    Unicode({Of(Body().u16(3).u8(1).u16('a').u8('b')), Of(Body().u8(1).u16('c'))}, false); // split character
    Unicode({Of(Body().u16(1).u8(0x04).u32(1000).bytes("a"))}, false);      // phonetic data past the end
    Unicode({Of(Body().u16(1).u8(0x08).u16(60000).bytes("a"))}, false);     // runs past the end
    Unicode({Of(Body().u16(1))}, false);                                   // no flags
    Unicode({}, false);
}

TEST(BiffCursor, FieldsStraddleRecordBoundaries)
{
    const Body first = Body().u8(0x34).u8(0x12).u8(0x78), empty, last = Body().u8(0x56).u8(0xBC).u8(0x9A);
    biff::Cursor cursor({Of(first), Of(empty), Of(last)});
    std::uint16_t a = 0;
    std::uint32_t b = 0;
    ASSERT_TRUE(cursor.u16(a));
    EXPECT_EQ(a, 0x1234);
    EXPECT_FALSE(cursor.atEnd());
    ASSERT_TRUE(cursor.u32(b));
    EXPECT_EQ(b, 0x9ABC5678u);
    EXPECT_TRUE(cursor.atEnd());
    std::uint8_t c = 0;
    EXPECT_FALSE(cursor.u8(c));
    EXPECT_FALSE(cursor.skip(1));
}

TEST(CodepageDecoder, ByteStringsOfBiff5)
{
    const std::tuple<int, std::string, std::string> cases[] = {
        {1252, "Temp\xB0 \x80", "Temp° €"},
        {1251, "\xC4\xEE\xE6\xE4\xFC", "Дождь"},
        {1250, "\x9A\x9E", "šž"},
        {10000, "\x8A", "ä"},          // Apple Roman
        {0x8000, "\x8A", "ä"},         // BIFF's own number for it
        {367, "plain", "plain"},       // US-ASCII
        {4242, "\xE4", "ä"},           // no such code page: read as 1252
        {1252, "\x81", "\xEF\xBF\xBD"}, // a byte 1252 leaves undefined
    };
    for (const auto& [codepage, bytes, expected] : cases) {
        std::string out;
        const CodepageDecoder decoder(codepage);
        const Body body = Body().counted(bytes, 1);
        biff::Cursor cursor(Of(body));
        ASSERT_TRUE(cursor.byteString(1, decoder, out)) << codepage;
        EXPECT_EQ(out, expected) << codepage;
    }
}

TEST(BiffRecordReader, RecordsAndTheirContinuesUntilTheStreamEnds)
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
}

TEST(BiffRecordReader, HeadersAndBodiesPastTheEndAreCutShort)
{
    Stream s;
    s.record(0x0203, Body().bytes("xyz"));
    for (std::size_t keep : {std::size_t{2}, std::size_t{5}}) { // half a header; a body cut short
        const std::vector<std::uint8_t> cut(s.data.begin(), s.data.begin() + static_cast<long>(keep));
        biff::RecordReader reader(cut, 0);
        biff::Record record;
        EXPECT_FALSE(reader.next(record)) << keep;
        EXPECT_TRUE(reader.truncated()) << keep;
    }
    biff::RecordReader outside(s.data, 1000);
    biff::Record record;
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

    const std::vector<std::uint8_t> cut(s.data.begin(), s.data.begin() + static_cast<long>(end));
    biff::SubstreamReader unfinished(cut, 0);
    while (unfinished.next(record)) {
    }
    EXPECT_FALSE(unfinished.complete());
    EXPECT_FALSE(biff::SubstreamReader(s.data, 4).started(record)); // not at a BOF record
}

} // namespace etp
