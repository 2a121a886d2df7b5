// Levels that outgrew their room move to tagged blocks in declared free
// space: where they go, what is written in which order, what is released.
#include "level/movingsave.h"

#include <gtest/gtest.h>

#include "fixtures.h"
#include "level/freeplaces.h"
#include "level/imagemap.h"
#include "level/levelio.h"
#include "support/faultywrites.h"

using namespace fixture;

namespace {

const size_t Table = testimage::TableRow(0), FreeBank = 0x10200;

// Levels 0 and 1 packed without room to spare among filler; FreeSpace
// declares bank 2, which holds zeros. `shared`: level 1 uses level 0's rows.
std::vector<uint8_t> PackedImage(const char* row1 = "00 81 01 00 8F 01") {
    std::vector<uint8_t> image(0x100000, 0xEA);
    Put(image, Table, Bytes("00 80 01 00 8E 01"));
    Put(image, Table + 6, Bytes(row1));
    Put(image, 0x8200, Bytes("A0*10 5A 32 47 00 FF FF FF"));
    Put(image, 0x9000, Bytes("2A 65 90 FF FF"));
    Put(image, 0x8300, Bytes("B0*10 10 01 23 45 FF FF"));
    Put(image, 0x9100, Bytes("FF FF"));
    Put(image, FreeBank, std::vector<uint8_t>(0x8000, 0x00));
    return image;
}

Catalogues PackedDefs() {
    Catalogues defs = MakeDefs();
    defs.DestinationLevels = {{"0", 0}, {"1", 1}};
    defs.FreeSpace = {{FreeBank, FreeBank + 0x7FFF, "bank 2"}};
    return defs;
}

struct Packed : TempRom {
    Catalogues Defs = PackedDefs();
    explicit Packed(const std::vector<uint8_t>& image = PackedImage()) : TempRom(image) {}
    LevelModel Load(int index) { return LoadLevelIndex(Rom, Defs, index).Level; }
    // Level 0 with `count` more four-byte objects.
    LevelModel Grown(int count) {
        LevelModel level = Load(0);
        for (int i = 0; i < count; ++i) level.LevelObjects.push_back(Obj(0x10, uint8_t(i), 1, 1, 1));
        level.ObjectBytesUsed += 4 * count;
        return level;
    }
    MoveResult Move(const LevelModel& level) {
        const MovePlan plan = PlanMovingSave(Rom, Defs, level, 0);
        EXPECT_FALSE(plan.Refusal) << plan.Refusal->Text;
        return WriteMovingSave(Rom, Defs, plan);
    }
    std::vector<uint8_t> Slice(size_t offset, size_t count) const {
        const std::vector<uint8_t> image = Bytes();
        return {image.begin() + std::ptrdiff_t(offset), image.begin() + std::ptrdiff_t(offset + count)};
    }
};

}  // namespace

TEST(FreePlaces, OnlyRunsOfOneFillByteInsideOneBankAndOutsideWhatIsTaken) {
    // clang-format off
    const struct { const char* Name; std::vector<uint8_t> Bytes; int64_t First, Last; std::vector<Extent> Taken, Places; } cases[] = {
        {"zeros",        std::vector<uint8_t>(0x100, 0x00), 0x10200, 0x102FF, {}, {{0x10200, 0x10300}}},
        {"FF fill",      std::vector<uint8_t>(0x100, 0xFF), 0x10200, 0x102FF, {}, {{0x10200, 0x10300}}},
        {"mixed fill",   Bytes("00*16 FF*16 EA 00*15"),     0x10200, 0x1022F, {}, {{0x10200, 0x10210}, {0x10210, 0x10220}, {0x10221, 0x10230}}},
        {"bank border",  std::vector<uint8_t>(0x20, 0x00),  0x181F0, 0x1820F, {}, {{0x181F0, 0x18200}, {0x18200, 0x18210}}},
        {"taken middle", std::vector<uint8_t>(0x100, 0x00), 0x10200, 0x102FF, {{0x10240, 0x10280}}, {{0x10200, 0x10240}, {0x10280, 0x10300}}},
        {"not pointable", std::vector<uint8_t>(0x100, 0x00), 0x200200, 0x2002FF, {}, {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        std::vector<uint8_t> image(0x200300, 0xEA);
        Put(image, size_t(c.First), c.Bytes);
        TempRom file(image);
        EXPECT_EQ(FindFreePlaces(file.Rom, {{c.First, c.Last, ""}}, c.Taken), c.Places) << c.Name;
    }
}

TEST(MovingSave, MovesAGrownStreamThenSavesInItsHeadroomThenMovesAgainAndReleases) {
    Packed file;
    const std::vector<uint8_t> level1 = file.Slice(0x8300, 0x10);
    MovePlan plan = PlanMovingSave(file.Rom, file.Defs, file.Grown(1), 0);
    ASSERT_EQ(plan.Moves.size(), 1u);
    EXPECT_EQ(plan.Moves[0].Block.TagOffset, int64_t(FreeBank));
    EXPECT_EQ(plan.Moves[0].Block.Size, 10 + 9 + 2 + 32);
    EXPECT_NE(plan.Question.find("to file offset 0x10208, SNES address 02:8008"), std::string::npos);
    ASSERT_TRUE(WriteMovingSave(file.Rom, file.Defs, plan).Save.Ok);
    EXPECT_EQ(file.Slice(Table, 6), Bytes("08 80 02 00 8E 01"));
    EXPECT_EQ(file.Slice(0x8200, 0x11), Bytes("A0*10 5A 32 47 00 FF FF FF"));  // never cleared
    EXPECT_EQ(file.Load(0).ObjectBytesRoom, 9 + 32);
    EXPECT_EQ(file.Slice(0x8300, 0x10), level1);

    // Eight more objects fit the headroom: a plain save in the block.
    EXPECT_TRUE(PlanMovingSave(file.Rom, file.Defs, file.Grown(8), 0).InPlace);
    // Nine more do not: the next block, and the first is released.
    ASSERT_TRUE(file.Move(file.Grown(9)).Save.Ok);
    EXPECT_EQ(file.Slice(FreeBank, 8), Bytes("00*8"));
    EXPECT_EQ(file.Slice(Table, 3), Bytes("45 80 02"));
    EXPECT_EQ(file.Load(0).LevelObjects.size(), 12u);
}

TEST(MovingSave, ABlockAnotherLevelPointsIntoIsKept) {
    Packed file;
    ASSERT_TRUE(file.Move(file.Grown(1)).Save.Ok);
    const std::vector<uint8_t> row = Bytes("08 80 02 00 8F 01");  // level 1 now shares level 0's block
    ASSERT_FALSE(file.Rom.Write(Table + 6 + 1, row.data(), row.size()));
    ASSERT_TRUE(file.Move(file.Grown(20)).Save.Ok);
    EXPECT_EQ(file.Slice(FreeBank, 4), Bytes("53 54 41 52"));
    EXPECT_EQ(file.Load(1).LevelObjects.size(), 2u);
}

TEST(MovingSave, RefusalsNameWhyAndWriteNothing) {
    Packed file;
    EXPECT_NE(PlanMovingSave(file.Rom, file.Defs, file.Grown(1), std::nullopt)
                  .Refusal->Text.find("loaded by offset"),
              std::string::npos);
    file.Defs.FreeSpace = {{FreeBank, FreeBank + 0x1F, ""}};
    EXPECT_EQ(
        PlanMovingSave(file.Rom, file.Defs, file.Grown(4), 0).Refusal->Text,
        "There is no free place big enough for the objects and screen exits: they need 41 bytes with their "
        "tag, and the largest free place is 32 bytes. Nothing was written.");
    file.Defs = PackedDefs();
    const MovePlan plan = PlanMovingSave(file.Rom, file.Defs, file.Grown(1), 0);
    const std::vector<uint8_t> spoilt = Bytes("01");
    ASSERT_FALSE(file.Rom.Write(FreeBank + 40 + 1, spoilt.data(), 1));  // the place stopped being free
    const std::vector<uint8_t> before = file.Bytes();
    EXPECT_FALSE(WriteMovingSave(file.Rom, file.Defs, plan).Save.Ok);
    EXPECT_EQ(file.Bytes(), before);
}

TEST(MovingSave, EachFailedWriteLeavesTheOtherLevelsReadableAndIsReported) {
    // Writes: the new block, the sprites in place, the level table row.
    for (int failing = 1; failing <= 3; ++failing) {
        for (WriteFault fault : {WriteFault::WriteFails, WriteFault::WriteShort, WriteFault::FlushFails}) {
            Packed file;
            const LevelModel level1 = file.Load(1);
            const MovePlan plan = PlanMovingSave(file.Rom, file.Defs, file.Grown(1), 0);
            MoveResult result;
            {
                FaultyWrites faults(fault, failing);
                result = WriteMovingSave(file.Rom, file.Defs, plan);
            }
            EXPECT_FALSE(result.Save.Ok) << failing;
            EXPECT_EQ(result.Save.Report.Title, LevelNotSavedTitle) << failing;
            EXPECT_EQ(file.Load(1).LevelObjects, level1.LevelObjects) << failing;
            // The pointer leads to the old place, or to the whole new one when the row's write landed after
            // all.
            const LevelModel reread = file.Load(0);
            EXPECT_EQ(reread.ObjectDataPos, result.Moved ? int64_t(FreeBank + 9) : 0x8201) << failing;
            EXPECT_EQ(reread.LevelObjects.size(), result.Moved ? 3u : 2u) << failing;
        }
    }
}
