// A stream's room ends where another listed level's data starts, and at
// the end of the tagged block it lives in.
#include <gtest/gtest.h>

#include "fixtures.h"
#include "level/imagemap.h"
#include "level/levelio.h"
#include "level/levelsave.h"

using namespace fixture;

namespace {

const size_t Table = testimage::TableRow(0), Objects0 = 0x8200, Sprites0 = 0x9000;

// Levels 0 and 1. Level 0: one five-byte object, one sprite. Level 1 starts
// `gap` bytes behind each of level 0's terminators, its header with two zero
// bytes and its sprites with sprite 000 at row 0.
std::vector<uint8_t> NeighbourImage(size_t gap) {
    std::vector<uint8_t> image(0xC0000, 0xEA);
    const size_t objects1 = Objects0 + 17 + gap, sprites1 = Sprites0 + 5 + gap;
    Put(image, Table, Bytes("00 80 01 00 8E 01"));
    Put(image, Table + 6, {uint8_t(objects1 & 0xFF), 0x80, 0x01, uint8_t(sprites1 & 0xFF), 0x8E, 0x01});
    Put(image, Objects0, Bytes("A0*10 5A 32 47 00 FF FF FF"));
    Put(image, Objects0 + 17, std::vector<uint8_t>(gap, 0));
    Put(image, objects1, Bytes("00 00 A2*8 5A 32 47 00 FF FF FF"));
    Put(image, Sprites0, Bytes("2A 65 90 FF FF"));
    Put(image, Sprites0 + 5, std::vector<uint8_t>(gap, 0));
    Put(image, sprites1, Bytes("00 00 00 FF FF"));
    return image;
}

Catalogues Listing(std::initializer_list<int> levels) {
    Catalogues defs = MakeDefs();
    for (int level : levels) defs.DestinationLevels.push_back({std::to_string(level), level});
    return defs;
}

}  // namespace

TEST(RoomLimits, TheZeroRunStopsWhereAListedLevelStarts) {
    // clang-format off
    const struct { const char* Name; size_t Gap; bool Listed; int64_t ObjectRoom, SpriteRoom; } cases[] = {
        {"zero-byte neighbour",      3, true,  5 + 3,     3 + 3},
        {"neighbour at terminator",  0, true,  5,         3},
        {"neighbour not listed",     3, false, 5 + 3 + 2, 3 + 3 + 3},
    };
    // clang-format on
    for (const auto& c : cases) {
        TempRom file(NeighbourImage(c.Gap));
        const Catalogues defs = c.Listed ? Listing({0, 1}) : Listing({0});
        const LoadResult loaded = LoadLevelIndex(file.Rom, defs, 0);
        ASSERT_TRUE(loaded.Ok) << c.Name;
        EXPECT_EQ(loaded.Level.ObjectBytesRoom, c.ObjectRoom) << c.Name;
        EXPECT_EQ(loaded.Level.SpriteBytesRoom, c.SpriteRoom) << c.Name;
        const LoadResult byOffset = LoadLevelOffset(file.Rom, defs, Objects0, Sprites0);
        EXPECT_EQ(byOffset.Level.ObjectBytesRoom, c.ObjectRoom) << c.Name;
    }
}

TEST(RoomLimits, GrowingIntoTheNeighbourIsRefusedAndLeavesItIntact) {
    TempRom file(NeighbourImage(3));
    const Catalogues defs = Listing({0, 1});
    LevelModel level = LoadLevelIndex(file.Rom, defs, 0).Level;
    const std::vector<uint8_t> before = file.Bytes();
    level.LevelObjects.push_back(Obj(0x10, 1, 1, 1, 1));  // 4 more bytes, 3 free
    level.ObjectBytesUsed += 4;
    EXPECT_FALSE(SaveLevel(file.Rom, defs, level).Ok);
    level.LevelObjects.pop_back();
    level.LevelObjects.push_back(Sprite(5, 1, 1));  // 3 more sprite bytes, 3 free
    level.ObjectBytesUsed -= 4;
    level.SpriteBytesUsed += 3;
    EXPECT_TRUE(SaveLevel(file.Rom, defs, level).Ok);
    const LevelModel neighbour = LoadLevelIndex(file.Rom, defs, 1).Level;
    EXPECT_EQ(neighbour.LevelObjects,
              (std::vector<LevelObject>{Obj(0x5A, 0x27, 0x34, 1, -2), Sprite(0, 0, 0)}));
    const std::vector<uint8_t> after = file.Bytes();
    EXPECT_TRUE(std::equal(after.begin() + Sprites0 + 8, after.end(), before.begin() + Sprites0 + 8));
}

TEST(RoomLimits, AStreamInATaggedBlockEndsWithTheBlock) {
    std::vector<uint8_t> image(0xC0000, 0x00);
    Put(image, Table, Bytes("08 80 01 00 8E 01"));
    auto tag = MakeAllocationTag(10 + 5 + 2 + 4);  // four bytes of headroom
    Put(image, Objects0, std::vector<uint8_t>(tag.begin(), tag.end()));
    Put(image, Objects0 + 8, Bytes("A0*10 5A 32 47 00 FF FF FF"));
    Put(image, Sprites0, Bytes("FF FF"));
    TempRom file(image);
    EXPECT_EQ(ReadAllocationTag(tag.data()), 21);
    EXPECT_EQ(Bytes("53 54 41 52 14 00 EB FF"), std::vector<uint8_t>(tag.begin(), tag.end()));
    const ImageMap map = ReadImageMap(file.Rom, Listing({0}));
    EXPECT_EQ(map.Blocks, (std::vector<TaggedBlock>{{Objects0, 21}}));
    EXPECT_EQ(LoadLevelIndex(file.Rom, Listing({0}), 0, map).Level.ObjectBytesRoom, 5 + 4);
    tag[6] ^= 1;  // a spoilt inverse is no tag
    EXPECT_FALSE(ReadAllocationTag(tag.data()));
}
