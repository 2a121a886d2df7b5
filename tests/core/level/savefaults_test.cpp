// Saves whose writes fail: every one is reported as a failure, never as a
// success, and the level stays as it was so that the next save can succeed.
#include <gtest/gtest.h>

#include "fixtures.h"
#include "level/levelio.h"
#include "level/levelsave.h"
#include "support/faultywrites.h"

using namespace fixture;
using namespace tarnloft;

namespace {

// One level among filler bytes EA, loaded by its offsets: header A0..A9,
// object 5A and object 10, no exits, 4 free bytes; sprite 12A, 3 free bytes.
constexpr size_t ObjectOffset = 0x100, SpriteOffset = 0x200;
std::vector<uint8_t> SmallLevelImage() {
    std::vector<uint8_t> image(0x300, 0xEA);
    Put(image, ObjectOffset, Bytes("A0 A1 A2 A3 A4 A5 A6 A7 A8 A9 5A 32 47 00 FF 10 01 23 45 FF FF 00*4"));
    Put(image, SpriteOffset, Bytes("2A 65 90 FF FF 00*3"));
    return image;
}

}  // namespace

TEST(SaveFaults, FailedWritesAreReportedAndTheSaveCanBeRepeated) {
    const std::string notSaved = "The level was not saved. ", partly = "only partly saved";
    // clang-format off
    const struct { const char* Name; WriteFault Fault; int FailingCall; std::string Says; } cases[] = {
        {"object write fails", WriteFault::WriteFails, 1, notSaved},
        {"object write comes up short", WriteFault::WriteShort, 1, notSaved},
        {"object flush fails", WriteFault::FlushFails, 1, notSaved},
        {"sprite write fails", WriteFault::WriteFails, 2, partly},
        {"sprite write comes up short", WriteFault::WriteShort, 2, partly},
        {"sprite flush fails", WriteFault::FlushFails, 2, partly}};
    // clang-format on
    std::vector<uint8_t> edited = SmallLevelImage();
    Put(edited, ObjectOffset, Bytes("A0 A1 A2 A3 A4 A5 A6 A7 A8 55 5A 32 48 00 FF"));
    Put(edited, SpriteOffset, Bytes("2A 65 91"));
    for (const auto& c : cases) {
        TempRom file(SmallLevelImage());
        LoadResult loaded = LoadLevelOffset(file.Rom, MakeDefs(), ObjectOffset, SpriteOffset);
        ASSERT_TRUE(loaded.Ok);
        LevelModel level = loaded.Level;
        level.HeaderBytes[9] = 0x55;
        level.LevelObjects[0].X += 1;
        level.LevelObjects[2].X += 1;
        const LevelModel before = level;
        {
            FaultyWrites faults(c.Fault, c.FailingCall);
            SaveResult failed = SaveLevel(file.Rom, MakeDefs(), level);
            EXPECT_FALSE(failed.Ok) << c.Name;
            EXPECT_EQ(failed.Report.Title, "Tarnloft - Level not saved") << c.Name;
            EXPECT_NE(failed.Report.Text.find(c.Says), std::string::npos)
                << c.Name << ": " << failed.Report.Text;
        }
        EXPECT_TRUE(level.LevelObjects == before.LevelObjects && level.HeaderBytes == before.HeaderBytes &&
                    level.ObjectBytesRoom == before.ObjectBytesRoom)
            << c.Name;
        EXPECT_TRUE(SaveLevel(file.Rom, MakeDefs(), level).Ok) << c.Name;
        EXPECT_EQ(file.Bytes(), edited) << c.Name;
    }
}
