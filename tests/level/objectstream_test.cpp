#include "level/objectstream.h"

#include <gtest/gtest.h>

#include "level/testdefs.h"
#include "rom/romreader.h"
#include "rom/temprom.h"

using testdefs::Obj;
using testrom::Bytes;

namespace {

const char* const Header = "01 02 03 04 05 06 07 08 09 0A ";

// Decodes `stream`, which lies behind a header at file offset 0x100.
StreamDecode Decode(const std::vector<uint8_t>& stream, LevelModel& level,
                    const std::string& tail = "EE 01") {
    std::vector<uint8_t> image(0x100, 0x55);
    testrom::Put(image, 0x100, Bytes(Header));
    testrom::Put(image, 0x10A, stream);
    testrom::Put(image, image.size(), Bytes(tail));
    testrom::TempRom file(image);
    RomReader reader(file.Rom());
    level.HeaderBytes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    return DecodeObjectStream(reader, testdefs::Make(), 0x10B, level);
}

}  // namespace

TEST(ObjectStream, DecodesAndReencodesHandWrittenStreams) {
    struct Case {
        const char* Stream;  // records, terminators and zero run
        std::vector<LevelObject> Objects;
        std::vector<ScreenExit> Exits;
        int64_t Used, Room;
    };
    const Case cases[] = {
        {"5A 32 47 00 FF FF FF", {Obj(0x5A, 0x27, 0x34, 1, -2)}, {}, 5, 5},
        {"10 00 00 3F FF FF 00 00", {Obj(0x10, 0, 0, 4, 16)}, {}, 4, 6},
        {"11 00 00 3F FF FF", {Obj(0x11, 0, 0, 64, 2)}, {}, 4, 4},
        {"12 00 00 3F FF FF", {Obj(0x12, 0, 0, 2, 64)}, {}, 4, 4},
        {"5A FF FF 7F 80 FF FF", {Obj(0x5A, 0xFF, 0xFF, 128, -129)}, {}, 5, 5},
        {"00 12 34 03 FF FF", {Obj(0x00, 0x24, 0x13, 2, 3, 0x03)}, {}, 4, 4},
        {"FF FF 00*6", {}, {}, 0, 6},
        {"5A 00 00 01 02 10 01 23 45 12 00 01 07 FF 21 05 06 07 08 E0 1A 30 40 02 FF 00*8",
         {Obj(0x5A, 0, 0, 2, 3), Obj(0x10, 0x13, 0x02, 5, 6), Obj(0x12, 0x01, 0x00, 2, 8)},
         {{1, 2, 5, 6, 7, 8}, {0, 14, 0x1A, 0x30, 0x40, 2}},
         23,
         31},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Stream);
        LevelModel level;
        ASSERT_TRUE(Decode(Bytes(c.Stream), level).Ok);
        EXPECT_EQ(level.LevelObjects, c.Objects);
        EXPECT_EQ(level.ScreenExits, c.Exits);
        EXPECT_EQ(level.ObjectBytesUsed, c.Used);
        EXPECT_EQ(level.ObjectBytesRoom, c.Room);
        EXPECT_EQ(level.ObjectDataPos, 0x101);
        EXPECT_EQ(EncodeObjectStream(testdefs::Make(), level), Bytes(Header + std::string(c.Stream)));
    }
}

TEST(ObjectStream, EncodesInObjectOrderIntoTheMeasuredRoom) {
    // One four-byte object deleted from the 23/31 level: 12 zero bytes of fill.
    const Catalogues defs = testdefs::Make();
    LevelModel level;
    level.HeaderBytes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    level.LevelObjects = {Obj(0x5A, 0, 0, 2, 3), Obj(0x12, 0x01, 0x00, 2, 8)};
    level.ScreenExits = {{1, 2, 5, 6, 7, 8}, {0, 14, 0x1A, 0x30, 0x40, 2}};
    level.ObjectBytesRoom = 31;
    EXPECT_EQ(
        EncodeObjectStream(defs, level),
        Bytes(Header + std::string("5A 00 00 01 02 12 00 01 07 FF 21 05 06 07 08 E0 1A 30 40 02 FF 00*12")));

    // Objects behind sprites follow the other objects; undefined numbers are left out.
    level.LevelObjects = {Obj(0x10, 0, 0, 1, 1), testdefs::Sprite(1, 5, 5), Obj(0x7B, 1, 1, 1, 1),
                          Obj(0x5A, 0x10, 0x20, 1, 1)};
    level.ScreenExits.clear();
    level.ObjectBytesRoom = 9;
    EXPECT_EQ(MeasureObjectBytes(defs, level), 9);
    EXPECT_EQ(EncodeObjectStream(defs, level),
              Bytes(Header + std::string("10 00 00 00 5A 21 00 00 00 FF FF")));
}

TEST(ObjectStream, UndefinedObjectNumberEndsTheProgram) {
    LevelModel level;
    StreamDecode result = Decode(Bytes("5A 00 00 00 00 7B 00 00 00 FF FF"), level);
    EXPECT_FALSE(result.Ok);
    EXPECT_TRUE(result.EndProgram);
    ASSERT_EQ(result.Messages.size(), 1u);
    EXPECT_EQ(result.Messages[0].Title, "Tarnloft - This is bad");
    EXPECT_EQ(result.Messages[0].Text,
              "Unknown object type (WEIRD error!) : Object 7B thinks it's type0\r\n"
              "Bad things will likely happen if Tarnloft keeps running.  Aborting.");
}

TEST(ObjectStream, StreamPastTheEndIsRefusedButAZeroRunMayEndThere) {
    for (const char* cut : {"", "5A 00 00", "10 00 00 00", "FF 21 05", "FF 21 05 06 07 08"}) {
        LevelModel level;
        StreamDecode result = Decode(Bytes(cut), level, "");
        EXPECT_FALSE(result.Ok) << cut;
        ASSERT_EQ(result.Messages.size(), 1u);
        EXPECT_NE(result.Messages[0].Text.find("0x10A"), std::string::npos) << result.Messages[0].Text;
        EXPECT_TRUE(level.LevelObjects.empty());
    }
    // A run of megabytes up to the end of a 4 MiB image.
    std::vector<uint8_t> stream = Bytes("10 00 00 00 FF FF");
    stream.resize(4 * 1024 * 1024 - 0x10A, 0);
    LevelModel level;
    ASSERT_TRUE(Decode(stream, level, "").Ok);
    EXPECT_EQ(level.ObjectBytesRoom, int64_t(stream.size()) - 2);
}

TEST(ObjectStream, FindsRecordsThatCannotBeStored) {
    const Catalogues defs = testdefs::Make();
    const std::pair<LevelObject, bool> cases[] = {
        {Obj(0x5A, 0, 0, 128, -129), true},  {Obj(0x5A, 0, 0, -2, 1), true},
        {Obj(0x5A, 0, 0, 0, 1), false},      {Obj(0x5A, 0, 0, 1, -1), false},
        {Obj(0x5A, 0, 0, 129, 1), false},    {Obj(0x5A, 0, 0, 1, -130), false},
        {Obj(0x10, 0, 0, 16, 1), true},      {Obj(0x10, 0, 0, 17, 1), false},
        {Obj(0x10, 0, 0, 1, 0), false},      {Obj(0x11, 0, 0, 128, 99), true},
        {Obj(0x11, 0, 0, 0, 2), false},      {Obj(0x12, 0, 0, 99, -1), false},
        {Obj(0x00, 0, 0, 0, 0, 0xFE), true}, {Obj(0x7B, 0, 0, 0, 0), true},
    };
    for (const auto& [object, storable] : cases) {
        LevelModel level;
        level.LevelObjects = {Obj(0x5A, 0, 0, 1, 1), object};
        auto problem = FindUnstorableObject(defs, level);
        EXPECT_EQ(!problem, storable) << int(object.Number) << " " << object.Width << "x" << object.Height;
        EXPECT_TRUE(!problem || problem->find("(entry 1)") != std::string::npos);
    }
    const std::pair<ScreenExit, bool> exits[] = {
        {{15, 14}, true}, {{14, 15}, true}, {{15, 15}, false}, {{16, 0}, false}, {{0, 16}, false}};
    for (const auto& [exit, storable] : exits) {
        LevelModel level;
        level.ScreenExits = {exit};
        EXPECT_EQ(!FindUnstorableObject(defs, level), storable)
            << int(exit.ScreenX) << "," << int(exit.ScreenY);
    }
}
