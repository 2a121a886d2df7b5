#include "level/levelio.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>

#include "level/objectstream.h"
#include "level/testdefs.h"
#include "rom/temprom.h"

using testdefs::Obj;
using testdefs::Sprite;
using testrom::Bytes;
using testrom::Put;

namespace {

constexpr size_t ObjectOffset = 0x8200, SpriteOffset = 0x9000;
constexpr int64_t Index = 0x10;
const char* const Objects =
    "A0 A1 A2 A3 A4 A5 A6 A7 A8 A9 5A 32 47 00 FF 10 01 23 45 FF 21 05 06 07 08 FF 00*8 EE";
const char* const Sprites = "2A 65 90 01 02 03 FF FF 00*5 EE";

// Level 10: 14/22 object bytes, 6/11 sprite bytes, among non-zero filler.
std::vector<uint8_t> BaseImage() {
    std::vector<uint8_t> image(0xC0000);
    for (size_t i = 0; i < image.size(); ++i) image[i] = uint8_t(0x80 | (i % 0x7F));
    testrom::SetLevelPointers(image, Index, ObjectOffset, SpriteOffset);
    Put(image, ObjectOffset, Bytes(Objects));
    Put(image, SpriteOffset, Bytes(Sprites));
    return image;
}

LevelModel LoadOk(testrom::TempRom& file) {
    LoadResult loaded = LoadLevelIndex(file.Rom(), testdefs::Make(), Index);
    EXPECT_TRUE(loaded.Ok && loaded.Messages.empty());
    return loaded.Level;
}

}  // namespace

TEST(LevelLoad, ByIndexAndByOffset) {
    testrom::TempRom file(BaseImage());
    LevelModel level = LoadOk(file);
    EXPECT_EQ(level.HeaderBytes[0], 0xA0);
    EXPECT_EQ(level.LevelObjects,
              (std::vector<LevelObject>{Obj(0x5A, 0x27, 0x34, 1, -2), Obj(0x10, 0x13, 0x02, 5, 6),
                                        Sprite(0x12A, 0x90, 0x32), Sprite(0x01, 0x03, 0x01)}));
    EXPECT_EQ(level.ScreenExits, (std::vector<ScreenExit>{{1, 2, 5, 6, 7, 8}}));
    EXPECT_EQ(level.ObjectDataPos, int64_t(ObjectOffset + 1));
    EXPECT_EQ(level.SpriteDataPos, int64_t(SpriteOffset + 1));
    EXPECT_EQ(std::vector<int64_t>({level.ObjectBytesUsed, level.ObjectBytesRoom, level.SpriteBytesUsed,
                                    level.SpriteBytesRoom}),
              std::vector<int64_t>({14, 22, 6, 11}));

    LoadResult byOffset = LoadLevelOffset(file.Rom(), testdefs::Make(), ObjectOffset, SpriteOffset);
    ASSERT_TRUE(byOffset.Ok);
    EXPECT_EQ(byOffset.Level.LevelObjects, level.LevelObjects);
    ASSERT_EQ(byOffset.Messages.size(), 1u);
    EXPECT_EQ(byOffset.Messages[0].Title, "Tarnloft - Substandard loading feature");
    EXPECT_EQ(byOffset.Messages[0].Text, "Level and sprites loaded.");
    EXPECT_FALSE(LoadLevelOffset(file.Rom(), testdefs::Make(), -1, SpriteOffset).Ok);

    EXPECT_EQ(LevelIndexCaption(0x1A, "game.smc"), "Level 1A game.smc - Tarnloft");
    EXPECT_EQ(LevelOffsetCaption(0xABC00, 0xDEF00, "game.smc"), "0xABC00, 0xDEF00 game.smc - Tarnloft");
}

TEST(LevelLoad, BankWarningsComeInOrderAndInvalidBanksReadFromTheStart) {
    std::vector<uint8_t> image = BaseImage();
    Put(image, testrom::LevelTableOffset + 6 * Index, Bytes("00 80 81 00 80 60"));
    Put(image, 0, Bytes("FF FF 01"));  // an empty sprite list at offset 0
    testrom::TempRom file(image);
    LoadResult loaded = LoadLevelIndex(file.Rom(), testdefs::Make(), Index);
    ASSERT_TRUE(loaded.Ok);
    ASSERT_EQ(loaded.Messages.size(), 2u);
    EXPECT_EQ(loaded.Messages[0].Text, "Abnormal bank number.  Level may not load properly.");
    EXPECT_EQ(loaded.Messages[1].Title, "Tarnloft - Index points to invalid bank");
    EXPECT_EQ(loaded.Level.ObjectBytesUsed, 14);
    EXPECT_EQ(loaded.Level.SpriteDataPos, 1);
}

TEST(LevelLoad, FailuresLoadNothing) {
    struct Case {
        const char* Row;  // table row of level 10
        int64_t Index;
        bool EndProgram;
    };
    const Case cases[] = {
        {"F0 FF 3F 00 8E 01", Index, false},  // objects beyond the image
        {"00 80 01 FE FF 3F", Index, false},  // sprites beyond the image
        {"", 0x10000, false},                 // table row beyond the image
        {"", -1, false},
        {"", INT64_MAX, false},
        {"00 80 00 00 8E 01", Index, true},  // undefined object 7B at 0x20A
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> image = BaseImage();
        Put(image, testrom::LevelTableOffset + 6 * Index, Bytes(c.Row));
        Put(image, 0x20A, Bytes("7B"));
        testrom::TempRom file(image);
        LoadResult loaded = LoadLevelIndex(file.Rom(), testdefs::Make(), c.Index);
        EXPECT_FALSE(loaded.Ok) << c.Row << c.Index;
        EXPECT_EQ(loaded.EndProgram, c.EndProgram);
        ASSERT_EQ(loaded.Messages.size(), 1u);
        EXPECT_EQ(loaded.Messages[0].Text.rfind(c.EndProgram ? "Unknown object" : "Level ", 0), 0u);
        EXPECT_TRUE(loaded.Level.LevelObjects.empty());
    }
}

TEST(LevelSave, UnchangedAndEditedLevelsStayInsideTheirExtents) {
    testrom::TempRom file(BaseImage());
    std::vector<uint8_t> expected = file.Bytes();
    LevelModel level = LoadOk(file);
    SaveResult saved = SaveLevel(file.Rom(), testdefs::Make(), level);
    EXPECT_TRUE(saved.Ok);
    EXPECT_EQ(saved.Report.Title, "Tarnloft");
    EXPECT_EQ(saved.Report.Text, "Level saved succesfully.");
    EXPECT_EQ(file.Bytes(), expected);

    // Delete, reorder, append behind the sprites; the object room is then
    // used exactly, so no zero fill is left.
    level.LevelObjects.erase(level.LevelObjects.begin());
    std::swap(level.LevelObjects[1], level.LevelObjects[2]);
    level.LevelObjects.push_back(Obj(0x12, 0x40, 0x41, 2, -7));
    level.LevelObjects.push_back(Obj(0x00, 0x02, 0x03, 9, 9, 0x03));
    level.ScreenExits.push_back({3, 4, 9, 10, 11, 12});
    level.HeaderBytes[9] = 0x55;
    level.ObjectBytesUsed = MeasureObjectBytes(testdefs::Make(), level);
    ASSERT_EQ(level.ObjectBytesUsed, level.ObjectBytesRoom);
    ASSERT_TRUE(SaveLevel(file.Rom(), testdefs::Make(), level).Ok);
    Put(expected, ObjectOffset,
        Bytes("A0 A1 A2 A3 A4 A5 A6 A7 A8 55 10 01 23 45 12 44 10 FA 00 00 32 03 FF 21 05 06 07 08 43 09 0A "
              "0B 0C FF"));
    Put(expected, SpriteOffset, Bytes("01 02 03 2A 65 90 FF FF 00*5"));
    EXPECT_EQ(file.Bytes(), expected);

    LevelModel reloaded = LoadOk(file);
    EXPECT_EQ(reloaded.ObjectBytesRoom, level.ObjectBytesRoom);
    EXPECT_EQ(reloaded.SpriteBytesRoom, level.SpriteBytesRoom);
}

TEST(LevelSave, RefusalsWriteNothing) {
    const std::string objectBudget =
        "You're using more bytes of data than there's room for!  Delete some objects!";
    const std::string spriteBudget =
        "You're using more bytes of data for sprites than there's room for!  Delete some sprites!";
    const std::pair<std::function<void(LevelModel&)>, std::string> cases[] = {
        {[](LevelModel& l) { l.ObjectBytesUsed = 23; }, objectBudget},
        {[](LevelModel& l) { l.ObjectBytesUsed = 23, l.SpriteBytesUsed = 12; }, objectBudget},
        {[](LevelModel& l) { l.SpriteBytesUsed = 12; }, spriteBudget},
        // the counter says it fits, the records do not
        {[](LevelModel& l) { l.LevelObjects.insert(l.LevelObjects.begin(), 2, Obj(0x5A, 0, 0, 1, 1)); },
         objectBudget},
        {[](LevelModel& l) { l.LevelObjects[0].Width = 0; }, "Nothing was written."},
        {[](LevelModel& l) { l.LevelObjects[3].Y = 200; }, "Nothing was written."},
        {[](LevelModel& l) { l.LevelObjects[3] = Sprite(0x1FF, 0, 127); }, "Nothing was written."},
        {[](LevelModel& l) {
             l.ScreenExits[0] = {15, 15};
         },
         "Nothing was written."},
    };
    for (const auto& [edit, text] : cases) {
        testrom::TempRom file(BaseImage());
        const std::vector<uint8_t> before = file.Bytes();
        LevelModel level = LoadOk(file);
        edit(level);
        SaveResult saved = SaveLevel(file.Rom(), testdefs::Make(), level);
        EXPECT_FALSE(saved.Ok);
        EXPECT_NE(saved.Report.Text.find(text), std::string::npos) << saved.Report.Text;
        EXPECT_EQ(file.Bytes(), before);
    }
}

TEST(LevelSave, ShortenedFileAndConflictingSharedBytesAreRefused) {
    testrom::TempRom file(BaseImage());
    LevelModel level = LoadOk(file);
    ASSERT_EQ(truncate(file.Path().c_str(), SpriteOffset + 4), 0);
    SaveResult saved = SaveLevel(file.Rom(), testdefs::Make(), level);
    EXPECT_FALSE(saved.Ok);
    EXPECT_EQ(file.Bytes().size(), SpriteOffset + 4);  // never grown

    // A sprite list that starts inside the object stream's zero run.
    std::vector<uint8_t> image = BaseImage();
    Put(image, ObjectOffset, Bytes("00*10 FF FF 00*6 FF FF 00 00 EE"));
    testrom::SetLevelPointers(image, Index, ObjectOffset, ObjectOffset + 12);
    testrom::TempRom shared(image);
    level = LoadOk(shared);
    ASSERT_EQ(level.ObjectBytesRoom, 6);
    EXPECT_TRUE(SaveLevel(shared.Rom(), testdefs::Make(), level).Ok);  // unchanged: both agree
    level.LevelObjects.insert(level.LevelObjects.begin(), Obj(0x10, 1, 1, 1, 1));
    level.ObjectBytesUsed = 4;
    EXPECT_FALSE(SaveLevel(shared.Rom(), testdefs::Make(), level).Ok);
    EXPECT_EQ(shared.Bytes(), image);
}
