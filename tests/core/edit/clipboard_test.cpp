#include "edit/clipboard.h"

#include <gtest/gtest.h>

#include "fixtures.h"

using namespace fixture;

namespace {

// A five-byte object of negative width, a special, a sprite above FF and a
// special of the sizes only the catalogue gives (0 and 255).
const std::vector<LevelObject> Copied = {Obj(Five, 14, 9, -3, 2), Special(0x2F, 17, 7), Sprite(0x1A3, 15, 8),
                                         Special(0x0A, 16, 200, 0, 255)};

TEST(Clip, CopiedSetReadsBackWithOffsetsFromItsTopLeft) {
    const std::vector<ClipItem> items = ClipItemsOf(Copied);
    const std::vector<ClipItem> expected = {{false, Five, 0, -3, 2, 0, 2},
                                            {false, 0, 0x2F, 1, 1, 3, 0},
                                            {true, 0xA3, 1, 1, 1, 1, 1},
                                            {false, 0, 0x0A, 0, 255, 2, 193}};
    ASSERT_EQ(items, expected);
    const std::string payload = EncodeClipItems(items);
    std::string crlf;
    for (char c : payload) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string& text : {payload, crlf, payload.substr(0, payload.size() - 1)}) {
        std::string error;
        EXPECT_EQ(DecodeClipItems(text, error), items) << text << error;
    }
}

TEST(Clip, MalformedPayloadsAreRefusedWithAReason) {
    const std::string head = "tarnloft-items 1 1\n";
    struct Case {
        const char* name;
        std::string payload;
        std::string error;
    } const cases[] = {
        {"empty", "", "not Tarnloft items"},
        {"foreign text", "Hello\nobject 5A 00 1 1 0 0\n", "not Tarnloft items"},
        {"binary", std::string("tarnloft-items\0 1 1\n\xFF\xFE", 22), "not Tarnloft items"},
        {"newer version", "tarnloft-items 7 1\nsome 2 future line\n", "unsupported version 7"},
        {"no count", "tarnloft-items 1\nobject 5A 00 1 1 0 0\n", "line 1: bad header"},
        {"zero items", "tarnloft-items 1 0\n", "line 1: item count out of range"},
        {"too many items", "tarnloft-items 1 65537\n", "line 1: item count out of range"},
        {"fewer than counted", "tarnloft-items 1 2\nobject 5A 00 1 1 0 0\n", "1 of 2 items"},
        {"trailing junk", head + "object 5A 00 1 1 0 0\n\n", "line 3: more lines than the header counts"},
        {"bad kind", head + "thing 5A 00 1 1 0 0", "line 2: unknown kind"},
        {"missing field", head + "object 5A 00 1 1 0", "line 2: wrong number of fields"},
        {"extra field", head + "object 5A 00 1 1 0 0 0", "line 2: wrong number of fields"},
        {"double space", head + "object 5A  00 1 1 0 0", "line 2: wrong number of fields"},
        {"number not hex", head + "object 5G 00 1 1 0 0", "line 2: number not two hex digits"},
        {"sprite above 1FF", head + "sprite 00 02 1 1 0 0", "line 2: sprite number out of range"},
        {"zero width", head + "object 5A 00 0 1 0 0", "line 2: width out of range"},
        {"width above 128", head + "object 5A 00 129 1 0 0", "line 2: width out of range"},
        {"signed width", head + "object 5A 00 +1 1 0 0", "line 2: width out of range"},
        {"negative special", head + "object 00 2F -1 1 0 0", "line 2: width out of range"},
        {"height below -129", head + "sprite A3 01 1 -130 0 0", "line 2: height out of range"},
        {"negative DX", head + "object 5A 00 1 1 -1 0", "line 2: DX out of range"},
        {"DY beyond the map", head + "object 5A 00 1 1 0 256", "line 2: DY out of range"},
        {"NUL in a field", head + std::string("object 5A 00 1 1 0 0\0", 21), "line 2: DY out of range"},
        {"lone CR", head + "object 5A 00 1 1 0 0\r", "line 2: DY out of range"},
        {"oversize", head + std::string(5 << 20, '\n'), "too large for Tarnloft items"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_EQ(DecodeClipItems(c.payload, error), std::nullopt) << c.name;
        EXPECT_EQ(error, c.error) << c.name;
    }
}

TEST(Clip, ReadableTextNamesEachItemWithItsOffset) {
    EXPECT_EQ(DescribeClipItems(ClipItemsOf(Copied), MakeDefs()),
              "5A - Ledge at +0,+2, size -3 x 2\n"
              "X2F - Key at +3,+0\n"
              "S1A3 - Bat at +1,+1\n"
              "XA -  at +2,+193\n");
}

}  // namespace
