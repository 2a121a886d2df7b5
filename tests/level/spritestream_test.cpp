#include "level/spritestream.h"

#include <gtest/gtest.h>

#include "level/testdefs.h"
#include "rom/romreader.h"
#include "rom/temprom.h"

using testdefs::Sprite;
using testrom::Bytes;

TEST(SpriteStream, DecodesBehindTheObjectsAndReencodes) {
    struct Case {
        const char* Stream;
        std::vector<LevelObject> Sprites;
        int64_t Used, Room;
    };
    const Case cases[] = {
        {"2A 65 90 FF FF", {Sprite(0x12A, 0x90, 0x32)}, 3, 3},
        {"FF FE 10 FF FF 00", {Sprite(0xFF, 0x10, 127)}, 3, 4},
        {"FF FF 00 00 00", {}, 0, 3},
        {"01 02 03 04 05 06 07 08 09 0A 0B 0C FF FF 00*5",
         {Sprite(0x01, 0x03, 1), Sprite(0x104, 0x06, 2), Sprite(0x07, 0x09, 4), Sprite(0x10A, 0x0C, 5)},
         12,
         17},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Stream);
        std::vector<uint8_t> image(0x40, 0x77);
        testrom::Put(image, 0x40, Bytes(c.Stream + std::string(" 01 FF FF 01 02 03")));
        testrom::TempRom file(image);
        RomReader reader(file.Rom());
        LevelModel level;
        level.LevelObjects = {testdefs::Obj(0x10, 1, 1, 1, 1)};  // decoded objects stay in front
        ASSERT_TRUE(DecodeSpriteStream(reader, 0x41, level).Ok);
        std::vector<LevelObject> expected = {testdefs::Obj(0x10, 1, 1, 1, 1)};
        expected.insert(expected.end(), c.Sprites.begin(), c.Sprites.end());
        EXPECT_EQ(level.LevelObjects, expected);
        EXPECT_EQ(level.SpriteBytesUsed, c.Used);
        EXPECT_EQ(level.SpriteBytesRoom, c.Room);
        EXPECT_EQ(level.SpriteDataPos, 0x41);
        EXPECT_EQ(EncodeSpriteStream(level), Bytes(c.Stream));
    }
}

TEST(SpriteStream, EncodesSpritesInIndexOrderIntoTheMeasuredRoom) {
    // One sprite deleted from the 12/17 level, the others among objects.
    LevelModel level;
    level.LevelObjects = {Sprite(0x107, 0x09, 4), testdefs::Obj(0x10, 0, 0, 1, 1), Sprite(0x01, 0x03, 1),
                          Sprite(0x0A, 0x0C, 5)};
    level.SpriteBytesRoom = 17;
    EXPECT_EQ(EncodeSpriteStream(level), Bytes("07 09 09 01 02 03 0A 0A 0C FF FF 00*8"));
}
