#include <gtest/gtest.h>

#include "fixtures.h"
#include "level/spritestream.h"
#include "rom/romreader.h"

using namespace tarnloft;

using namespace fixture;

static const std::string Header = "01 02 03 04 05 06 07 08 09 0A ";

// Decodes `stream`, placed behind a header at file offset 0x100 and followed by `tail`.
static StreamDecode Decode(const std::string& stream, LevelModel& level, bool sprites = false,
                           const char* tail = " EE 01 FF FF 01 02 03") {
    std::vector<uint8_t> image(0x100, 0x55);
    Put(image, 0x100, Bytes(Header + stream + tail));
    TempRom file(image);
    RomReader reader(file.Rom);
    level.HeaderBytes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    return sprites ? DecodeSpriteStream(reader, 0x10B, level)
                   : DecodeObjectStream(reader, MakeDefs(), 0x10B, level);
}

TEST(ObjectStream, DecodesAndReencodesHandWrittenStreams) {
    // clang-format off
    const struct { std::string Stream; std::vector<LevelObject> Objects; int64_t Used, Room; std::vector<ScreenExit> Exits; } cases[] = {
        {"5A 32 47 00 FF FF FF", {Obj(0x5A, 0x27, 0x34, 1, -2)}, 5, 5, {}}, {"10 00 00 3F FF FF 00 00", {Obj(0x10, 0, 0, 4, 16)}, 4, 6, {}},
        {"11 00 00 3F FF FF", {Obj(0x11, 0, 0, 64, 2)}, 4, 4, {}},          {"12 00 00 3F FF FF", {Obj(0x12, 0, 0, 2, 64)}, 4, 4, {}},
        {"5A FF FF 7F 80 FF FF", {Obj(0x5A, 0xFF, 0xFF, 128, -129)}, 5, 5, {}},
        {"00 12 34 03 FF FF", {Special(0x03, 0x24, 0x13, 2, 3)}, 4, 4, {}}, {"FF FF 00*6", {}, 0, 6, {}},
        {"5A 00 00 01 02 10 01 23 45 12 00 01 07 FF 21 05 06 07 08 E0 1A 30 40 02 FF 00*8",
         {Obj(0x5A, 0, 0, 2, 3), Obj(0x10, 0x13, 0x02, 5, 6), Obj(0x12, 0x01, 0x00, 2, 8)}, 23, 31,
         {{1, 2, 5, 6, 7, 8}, {0, 14, 0x1A, 0x30, 0x40, 2}}}};
    // clang-format on
    for (const auto& c : cases) {
        LevelModel level;
        ASSERT_TRUE(Decode(c.Stream, level).Ok) << c.Stream;
        EXPECT_TRUE(level.LevelObjects == c.Objects && level.ScreenExits == c.Exits) << c.Stream;
        EXPECT_EQ(std::make_tuple(level.ObjectBytesUsed, level.ObjectBytesRoom, level.ObjectDataPos),
                  std::make_tuple(c.Used, c.Room, int64_t(0x101)));
        EXPECT_EQ(EncodeObjectStream(MakeDefs(), level), Bytes(Header + c.Stream));
        if (c.Used != 23) continue;
        // One four-byte object deleted: 12 zero bytes of fill.
        level.LevelObjects.erase(level.LevelObjects.begin() + 1);
        EXPECT_EQ(EncodeObjectStream(MakeDefs(), level),
                  Bytes(Header + "5A 00 00 01 02 12 00 01 07 FF 21 05 06 07 08 E0 1A 30 40 02 FF 00*12"));
    }
}

TEST(ObjectStream, RefusesUndefinedObjectsAndStreamsPastTheEnd) {
    LevelModel level;
    StreamDecode result = Decode("5A 00 00 00 00 7B 00 00 00 FF FF", level);
    EXPECT_TRUE(!result.Ok && result.EndProgram && result.Messages.size() == 1u);
    EXPECT_EQ(result.Messages.at(0).Title, "Tarnloft - This is bad");
    EXPECT_EQ(result.Messages.at(0).Text,
              "Unknown object type (WEIRD error!) : Object 7B thinks it's type0\r\n"
              "Bad things will likely happen if Tarnloft keeps running.  Aborting.");
    for (const char* cut : {"", "5A 00 00", "10 00 00 00", "FF 21 05", "FF 21 05 06 07 08"}) {
        result = Decode(cut, level = {}, false, "");
        EXPECT_TRUE(!result.Ok && level.LevelObjects.empty()) << cut;
        EXPECT_NE(result.Messages.at(0).Text.find("0x10A"), std::string::npos) << result.Messages[0].Text;
    }
    // A zero run may end at the end of a 4 MiB image.
    ASSERT_TRUE(Decode("10 00 00 00 FF FF 00*4194032", level, false, "").Ok);
    EXPECT_EQ(level.ObjectBytesRoom, 4 + 4194032);
}

TEST(ObjectStream, FindsRecordsThatCannotBeStored) {
    // clang-format off
    const struct { uint8_t Number; int W, H; bool Ok; } cases[] = {
        {0x5A, 128, -129, true}, {0x5A, -2, 1, true},    {0x5A, 0, 1, false}, {0x5A, 1, -1, false},
        {0x5A, 129, 1, false},   {0x5A, 1, -130, false}, {0x10, 16, 1, true}, {0x10, 17, 1, false},
        {0x10, 1, 0, false},     {0x11, 128, 99, true},  {0x11, 0, 2, false}, {0x12, 99, -1, false},
        {0x00, 0, 0, true},      {0x7B, 0, 0, true}};
    // clang-format on
    for (const auto& c : cases) {
        LevelModel level;
        level.LevelObjects = {Obj(0x5A, 0, 0),
                              LevelObject{c.Number, 0xFE, 0, 0, int16_t(c.W), int16_t(c.H), false}};
        auto problem = FindUnstorableObject(MakeDefs(), level);
        EXPECT_EQ(!problem, c.Ok) << int(c.Number) << " " << c.W << "x" << c.H;
        EXPECT_TRUE(!problem || problem->find("(entry 1)") != std::string::npos);
    }
}

TEST(SpriteStream, DecodesBehindTheObjectsAndReencodes) {
    // clang-format off
    const struct { std::string Stream; std::vector<LevelObject> Sprites; int64_t Used, Room; } cases[] = {
        {"2A 65 90 FF FF", {Sprite(0x12A, 0x90, 0x32)}, 3, 3}, {"FF FE 10 FF FF 00", {Sprite(0xFF, 0x10, 127)}, 3, 4},
        {"FF FF 00 00 00", {}, 0, 3}, {"01 02 03 04 05 06 07 08 09 0A 0B 0C FF FF 00*5",
         {Sprite(0x01, 0x03, 1), Sprite(0x104, 0x06, 2), Sprite(0x07, 0x09, 4), Sprite(0x10A, 0x0C, 5)}, 12, 17}};
    // clang-format on
    for (const auto& c : cases) {
        LevelModel level;
        level.LevelObjects = {Obj(0x10, 1, 1, 1, 1)};  // decoded objects stay in front
        ASSERT_TRUE(Decode(c.Stream, level, true).Ok) << c.Stream;
        EXPECT_EQ(level.LevelObjects.at(0), Obj(0x10, 1, 1, 1, 1));
        EXPECT_EQ(std::vector<LevelObject>(level.LevelObjects.begin() + 1, level.LevelObjects.end()),
                  c.Sprites);
        EXPECT_EQ(std::make_tuple(level.SpriteBytesUsed, level.SpriteBytesRoom, level.SpriteDataPos),
                  std::make_tuple(c.Used, c.Room, int64_t(0x10B)));
        EXPECT_EQ(EncodeSpriteStream(level), Bytes(c.Stream));
    }
    // One sprite deleted from the 12/17 level, the others among objects, in index order.
    LevelModel level;
    level.LevelObjects = {Sprite(0x107, 0x09, 4), Obj(0x10, 0, 0, 1, 1), Sprite(1, 3, 1),
                          Sprite(0x0A, 0x0C, 5)};
    level.SpriteBytesRoom = 17;
    EXPECT_EQ(EncodeSpriteStream(level), Bytes("07 09 09 01 02 03 0A 0A 0C FF FF 00*8"));
}
