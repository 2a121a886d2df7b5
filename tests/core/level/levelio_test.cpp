#include "level/levelio.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>

#include "catalogue/definitionfiles.h"
#include "fixtures.h"
#include "level/levelsave.h"
#include "level/objectstream.h"

using namespace tarnloft;

using namespace fixture;

constexpr size_t ObjectOffset = 0x8200, SpriteOffset = 0x9000;
const size_t Row = testimage::TableRow(0x10);

// Level 10: 14/22 object bytes, 6/11 sprite bytes, among non-zero filler; `row` replaces its table row.
static std::vector<uint8_t> Image(const char* row = "00 80 01 00 8E 01") {
    std::vector<uint8_t> image(0xC0000);
    for (size_t i = 0; i < image.size(); ++i) image[i] = uint8_t(0x80 | (i % 0x7F));
    Put(image, Row, Bytes(row));
    Put(image, ObjectOffset,
        Bytes("A0 A1 A2 A3 A4 A5 A6 A7 A8 A9 5A 32 47 00 FF 10 01 23 45 FF 21 05 06 07 08 FF 00*8"));
    Put(image, SpriteOffset, Bytes("2A 65 90 01 02 03 FF FF 00*5"));
    return image;
}

static LoadResult Load(TempRom& file, int64_t index = 0x10, size_t messages = 0) {
    LoadResult loaded = LoadLevelIndex(file.Rom, MakeDefs(), index);
    EXPECT_EQ(loaded.Messages.size(), messages);
    return loaded;
}

TEST(LevelLoad, FollowsTheTableRowOrTwoOffsets) {
    TempRom file(Image());
    LevelModel level = Load(file).Level;
    EXPECT_EQ(level.LevelObjects,
              (std::vector<LevelObject>{Obj(0x5A, 0x27, 0x34, 1, -2), Obj(0x10, 0x13, 2, 5, 6),
                                        Sprite(0x12A, 0x90, 0x32), Sprite(1, 3, 1)}));
    EXPECT_EQ(std::vector<int64_t>({level.HeaderBytes[0], level.ObjectDataPos, level.SpriteDataPos,
                                    level.ObjectBytesUsed, level.ObjectBytesRoom, level.SpriteBytesUsed,
                                    level.SpriteBytesRoom}),
              std::vector<int64_t>({0xA0, ObjectOffset + 1, SpriteOffset + 1, 14, 22, 6, 11}));
    LoadResult byOffset = LoadLevelOffset(file.Rom, MakeDefs(), ObjectOffset, SpriteOffset);
    EXPECT_TRUE(byOffset.Ok && byOffset.Level.LevelObjects == level.LevelObjects);
    EXPECT_EQ(byOffset.Messages.at(0).Title, "Tarnloft - Substandard loading feature");
    EXPECT_EQ(byOffset.Messages.at(0).Text, "Level and sprites loaded.");
    EXPECT_FALSE(LoadLevelOffset(file.Rom, MakeDefs(), -1, SpriteOffset).Ok);
}

TEST(LevelLoad, FailuresLoadNothing) {
    // Objects or sprites beyond the image, rows beyond the table, undefined object 7B at 0x20A.
    // clang-format off
    const struct { const char* Row; int64_t Index; bool EndProgram; } cases[] = {
        {"F0 FF 3F 00 8E 01", 0x10, false}, {"00 80 01 FE FF 3F", 0x10, false}, {"", 0x10000, false},
        {"", -1, false}, {"", INT64_MAX, false}, {"00 80 00 00 8E 01", 0x10, true}};
    // clang-format on
    for (const auto& c : cases) {
        std::vector<uint8_t> image = Image(c.Row);
        Put(image, 0x20A, Bytes("7B"));
        TempRom file(image);
        LoadResult loaded = Load(file, c.Index, 1);
        EXPECT_TRUE(!loaded.Ok && loaded.EndProgram == c.EndProgram && loaded.Level.LevelObjects.empty())
            << c.Row;
        EXPECT_EQ(loaded.Messages.at(0).Text.rfind(c.EndProgram ? "Unknown object" : "Level ", 0), 0u);
    }
}

TEST(LevelSave, UnchangedAndEditedLevelsStayInsideTheirExtents) {
    TempRom file(Image());
    std::vector<uint8_t> expected = file.Bytes();
    LevelModel level = Load(file).Level;
    SaveResult saved = SaveLevel(file.Rom, MakeDefs(), level);
    EXPECT_TRUE(saved.Ok && saved.Report.Title == "Tarnloft" &&
                saved.Report.Text == "Level saved succesfully.");
    EXPECT_EQ(file.Bytes(), expected);
    // Delete, reorder, append behind the sprites, using the object room exactly: no zero fill.
    level.LevelObjects.erase(level.LevelObjects.begin());
    std::swap(level.LevelObjects[1], level.LevelObjects[2]);
    level.LevelObjects.insert(level.LevelObjects.end(),
                              {Obj(0x12, 0x40, 0x41, 2, -7), Special(3, 2, 3, 9, 9)});
    level.ScreenExits.push_back({3, 4, 9, 10, 11, 12});
    level.HeaderBytes[9] = 0x55;
    level.ObjectBytesUsed = MeasureObjectBytes(MakeDefs(), level);
    ASSERT_EQ(level.ObjectBytesUsed, level.ObjectBytesRoom);
    ASSERT_TRUE(SaveLevel(file.Rom, MakeDefs(), level).Ok);
    Put(expected, ObjectOffset,
        Bytes("A0 A1 A2 A3 A4 A5 A6 A7 A8 55 10 01 23 45 12 44 10 FA 00 00 32 03 FF 21 05 06 07 08 43 09 0A "
              "0B 0C FF"));
    Put(expected, SpriteOffset, Bytes("01 02 03 2A 65 90 FF FF 00*5"));
    EXPECT_EQ(file.Bytes(), expected);
}

TEST(LevelSave, RefusalsWriteNothing) {
    const std::string objects =
                          "You're using more bytes of data than there's room for!  Delete some objects!",
                      sprites =
                          "You're using more bytes of data for sprites than there's room for!  Delete some "
                          "sprites!",
                      records = "Nothing was written.";
    // The fourth: the counter says it fits, the records do not.
    // clang-format off
    const std::pair<std::function<void(LevelModel&)>, std::string> cases[] = {
        {[](LevelModel& l) { l.ObjectBytesUsed = 23; }, objects}, {[](LevelModel& l) { l.SpriteBytesUsed = 12; }, sprites},
        {[](LevelModel& l) { l.ObjectBytesUsed = 23, l.SpriteBytesUsed = 12; }, objects},
        {[](LevelModel& l) { l.LevelObjects.insert(l.LevelObjects.begin(), 2, Obj(0x5A, 0, 0, 1, 1)); }, objects},
        {[](LevelModel& l) { l.LevelObjects[0].Width = 0; }, records}, {[](LevelModel& l) { l.LevelObjects[3].Y = 200; }, records},
        {[](LevelModel& l) { l.LevelObjects[3] = Sprite(0x1FF, 0, 127); }, records},
        {[](LevelModel& l) { l.ScreenExits[0] = {15, 15}; }, records}};
    // clang-format on
    for (const auto& [edit, text] : cases) {
        TempRom file(Image());
        LevelModel level = Load(file).Level;
        edit(level);
        SaveResult saved = SaveLevel(file.Rom, MakeDefs(), level);
        EXPECT_FALSE(saved.Ok);
        EXPECT_NE(saved.Report.Text.find(text), std::string::npos) << saved.Report.Text;
        EXPECT_EQ(file.Bytes(), Image());
    }
    // A shortened file is never grown; a sprite list inside the object zero run must not change.
    TempRom file(Image());
    LevelModel level = Load(file).Level;
    ASSERT_EQ(truncate(file.File("game.smc").c_str(), SpriteOffset + 4), 0);
    EXPECT_FALSE(SaveLevel(file.Rom, MakeDefs(), level).Ok);
    EXPECT_EQ(file.Bytes().size(), SpriteOffset + 4);
    std::vector<uint8_t> image = Image("00 80 01 0C 80 01");
    Put(image, ObjectOffset, Bytes("00*10 FF FF 00*6 FF FF 00 00 EE"));
    TempRom shared(image);
    level = Load(shared).Level;
    ASSERT_EQ(level.ObjectBytesRoom, 6);
    EXPECT_TRUE(SaveLevel(shared.Rom, MakeDefs(), level).Ok);  // unchanged: both agree
    level.LevelObjects.insert(level.LevelObjects.begin(), Obj(0x10, 1, 1, 1, 1));
    level.ObjectBytesUsed = 4;
    EXPECT_FALSE(SaveLevel(shared.Rom, MakeDefs(), level).Ok);
    EXPECT_EQ(shared.Bytes(), image);
}

// Every demo level saves back unchanged, and LevelOffsets.dat names its header.
TEST(DemoImage, EveryLevelSavesBackUnchanged) {
    testimage::ScratchFolder folder;
    const std::string path = folder.File("demo.smc");
    if (!testimage::MakeDemoImage(path, TARNLOFT_DATA_DIR)) GTEST_SKIP() << "no demo image generator";
    DefinitionLoad defs = LoadDefinitionFiles(TARNLOFT_DATA_DIR);
    LevelOffsetsLoad offsets = LoadLevelOffsets(TARNLOFT_DATA_DIR);
    ASSERT_TRUE(defs.Ok && offsets.Ok && offsets.Entries.size() == 256u);
    const std::vector<uint8_t> original = testimage::ReadFile(path);
    RomImage rom;
    ASSERT_FALSE(rom.Open(path));
    for (int index = 0; index < 256; ++index) {
        LoadResult loaded = LoadLevelIndex(rom, defs.Defs, index);
        ASSERT_TRUE(loaded.Ok && loaded.Messages.empty()) << index;
        ASSERT_TRUE(SaveLevel(rom, defs.Defs, loaded.Level).Ok) << index;
        EXPECT_EQ(offsets.Entries[index].Offset, loaded.Level.ObjectDataPos - 1) << index;
    }
    EXPECT_TRUE(testimage::ReadFile(path) == original);
}
