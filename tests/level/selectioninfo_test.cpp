#include "level/selectioninfo.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class SelectionInfoTest : public ::testing::Test {
protected:
    void SetUp() override {
        defs = std::make_unique<Catalogues>();
        defs->ObjectDefs[0].ByteCount = ByteClass::Special;
        defs->ObjectDefs[0x5A].Name = "Long ledge";
        defs->ObjectDefs[0x5A].ByteCount = ByteClass::FiveByte;
        defs->SpecialObjectDefs[0x2F].Name = "Warp gate";
        defs->SpriteDefs[0x1A3].Name = "Beetle";
    }

    std::string InfoFor(const LevelObject& item, int selected = 0) {
        level.LevelObjects.assign(selected + 1, LevelObject{});
        level.LevelObjects[selected] = item;
        level.SelectedObject = selected;
        return BuildSelectionInfo(level, *defs).ObjectInfo;
    }

    std::unique_ptr<Catalogues> defs;
    LevelModel level;
};

LevelObject Make(uint8_t number, uint8_t sub, uint8_t x, uint8_t y, int16_t w, int16_t h, bool sprite) {
    LevelObject o;
    o.Number = number;
    o.SubNumber = sub;
    o.X = x;
    o.Y = y;
    o.Width = w;
    o.Height = h;
    o.IsSprite = sprite;
    return o;
}

TEST_F(SelectionInfoTest, ObjectInfoTexts) {
    struct Case {
        const char* name;
        LevelObject item;
        int selected;
        const char* text;
    };
    const Case cases[] = {
        {"ordinary object", Make(0x5A, 0, 0x27, 0x34, 12, -2, false), 3,
         "Object number 5A - \r\nLong ledge\r\n(27, 34)\r\n12 * -2\r\n#3"},
        {"16 wide", Make(0x5A, 0, 0, 0, 16, 1, false), 0,
         "Object number 5A - \r\nLong ledge\r\n(0, 0)\r\n16 * 1\r\n#0"},
        {"-16 wide shows hex magnitude", Make(0x5A, 0, 0xFF, 0x7F, -16, -18, false), 0x1C,
         "Object number 5A - \r\nLong ledge\r\n(FF, 7F)\r\n-10 * -12\r\n#1C"},
        {"most negative extent", Make(0x5A, 0, 1, 2, -32768, 32767, false), 0,
         "Object number 5A - \r\nLong ledge\r\n(1, 2)\r\n-8000 * 32767\r\n#0"},
        {"special object has no size line", Make(0, 0x2F, 3, 4, 7, 7, false), 1,
         "Special 4 byte object number X2F - \r\nWarp gate\r\n(3, 4)\r\n#1"},
        {"sprite", Make(0xA3, 1, 0x10, 0x0A, 1, 1, true), 2,
         "Sprite number S1A3 - \r\nBeetle\r\n(10, A)\r\n1 * 1\r\n#2"},
        {"sprite beyond the catalogue", Make(0x05, 9, 0, 0, 1, 1, true), 0,
         "Sprite number S905 - \r\n\r\n(0, 0)\r\n1 * 1\r\n#0"},
    };
    for (const Case& c : cases) EXPECT_EQ(InfoFor(c.item, c.selected), c.text) << c.name;
}

TEST_F(SelectionInfoTest, NoSelectableEntryGivesNoObjectText) {
    level.SelectedObject = 0;
    EXPECT_EQ(BuildSelectionInfo(level, *defs).ObjectInfo, "");
    level.LevelObjects.resize(2);
    level.SelectedObject = 2;
    EXPECT_EQ(BuildSelectionInfo(level, *defs).ObjectInfo, "");
    level.SelectedObject = -1;
    EXPECT_EQ(BuildSelectionInfo(level, *defs).ObjectInfo, "");
}

TEST_F(SelectionInfoTest, ByteUsageTextsAndColours) {
    struct Case {
        int64_t used, room, spriteUsed, spriteRoom;
        const char *text, *spriteText;
        Rgb colour, spriteColour;
    };
    const Case cases[] = {
        {96, 95, 3, 10, "96/95", "3/10", Colours::Red, Colours::Black},
        {95, 95, 11, 10, "95/95", "11/10", Colours::Black, Colours::Red},
        {0, 0, 0, 0, "0/0", "0/0", Colours::Black, Colours::Black},
        {87, 3000000, 1, 0, "87/3000000", "1/0", Colours::Black, Colours::Red},
    };
    level.ScreenExits = {ScreenExit{}};
    level.SelectedScreenExit = 0;
    for (const Case& c : cases) {
        level.ObjectBytesUsed = c.used;
        level.ObjectBytesRoom = c.room;
        level.SpriteBytesUsed = c.spriteUsed;
        level.SpriteBytesRoom = c.spriteRoom;
        const SelectionInfo info = BuildSelectionInfo(level, *defs);
        EXPECT_EQ(info.ByteUsage, c.text);
        EXPECT_EQ(info.SpriteByteUsage, c.spriteText);
        EXPECT_EQ(info.ByteUsageColour, c.colour) << c.text;
        EXPECT_EQ(info.SpriteByteUsageColour, c.spriteColour) << c.spriteText;
        // The screen exits share the object stream's budget.
        const std::optional<ScreenExitInfo> exit = BuildScreenExitInfo(level);
        ASSERT_TRUE(exit.has_value());
        EXPECT_EQ(exit->ByteUsage, c.text);
        EXPECT_EQ(exit->ByteUsageColour, c.colour);
    }
}

TEST_F(SelectionInfoTest, ScreenExitFields) {
    level.ScreenExits = {ScreenExit{1, 2, 0x3C, 0x0F, 0xA0, 0}, ScreenExit{4, 5, 0xFF, 0, 7, 0x1B}};
    level.SelectedScreenExit = 1;
    const std::optional<ScreenExitInfo> info = BuildScreenExitInfo(level);
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->Destination, "FF");
    EXPECT_EQ(info->EntranceX, "0");
    EXPECT_EQ(info->EntranceY, "7");
    EXPECT_EQ(info->EntranceType, "1B");

    // No exit selected, or an index past the list: nothing to show.
    for (int selected : {-1, 2}) {
        level.SelectedScreenExit = selected;
        EXPECT_FALSE(BuildScreenExitInfo(level).has_value()) << selected;
    }
    level.ScreenExits.clear();
    level.SelectedScreenExit = 0;
    EXPECT_FALSE(BuildScreenExitInfo(level).has_value());
}

}  // namespace
