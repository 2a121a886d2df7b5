#include "level/selectioninfo.h"

#include <gtest/gtest.h>

#include "fixtures.h"

using namespace tarnloft;

using namespace fixture;

namespace {

TEST(SelectionInfo, ObjectTexts) {
    const std::string ledge = "Object number 5A - \r\nLedge\r\n";
    struct Case {
        LevelObject item;
        int selected, count;
        std::string text;
    } const cases[] = {
        {Obj(Five, 0x27, 0x34, 12, -2), 3, 4, ledge + "(27, 34)\r\n12 * -2\r\n#3"},
        {Obj(Five, 1, 2, -32768, 32767), 0, 1, ledge + "(1, 2)\r\n-8000 * 32767\r\n#0"},
        {Special(0x2F, 3, 4, 7, 7), 1, 2, "Special 4 byte object number X2F - \r\nKey\r\n(3, 4)\r\n#1"},
        {Sprite(0x1A3, 0x10, 0x0A), 2, 3, "Sprite number S1A3 - \r\nBat\r\n(10, A)\r\n1 * 1\r\n#2"},
        {Sprite(0x905, 0, 0), 0, 1,
         "Sprite number S905 - \r\n\r\n(0, 0)\r\n1 * 1\r\n#0"},  // beyond the catalogue
        {Obj(Five, 0, 0), 2, 2, ""},                             // nothing selectable
        {Obj(Five, 0, 0), -1, 1, ""},
        {Obj(Five, 0, 0), 0, 0, ""}};
    for (const Case& c : cases) {
        LevelModel level;
        level.LevelObjects.assign(c.count, c.item);
        level.SelectedObject = c.selected;
        EXPECT_EQ(BuildSelectionInfo(level, MakeDefs()).ObjectInfo, c.text) << c.selected;
    }
}

TEST(SelectionInfo, ByteUsageAndScreenExitFields) {
    LevelModel level;
    level.ScreenExits = {ScreenExit{1, 2, 0x3C, 0x0F, 0xA0, 0}, ScreenExit{4, 5, 0xFF, 0, 7, 0x1B}};
    level.SelectedScreenExit = 1;
    const Rgb red = Colours::Red, black = Colours::Black;
    const std::tuple<int, int, int, int, const char*, const char*, Rgb, Rgb> cases[] = {
        {96, 95, 3, 10, "96/95", "3/10", red, black},
        {95, 95, 11, 10, "95/95", "11/10", black, red},
        {87, 3000000, 1, 0, "87/3000000", "1/0", black, red}};
    for (auto [used, room, spriteUsed, spriteRoom, text, spriteText, colour, spriteColour] : cases) {
        level.ObjectBytesUsed = used, level.ObjectBytesRoom = room;
        level.SpriteBytesUsed = spriteUsed, level.SpriteBytesRoom = spriteRoom;
        const SelectionInfo info = BuildSelectionInfo(level, MakeDefs());
        // The exit editor shares the object budget, with or without an exit selected.
        for (int selected : {1, -1, 2}) {
            level.SelectedScreenExit = selected;
            const ScreenExitInfo exit = BuildScreenExitInfo(level);
            EXPECT_EQ(std::tuple(info.ByteUsage, info.SpriteByteUsage, exit.ByteUsage),
                      std::tuple(text, spriteText, text));
            EXPECT_TRUE(info.ByteUsageColour == colour && exit.ByteUsageColour == colour) << text;
            EXPECT_TRUE(info.SpriteByteUsageColour == spriteColour) << spriteText;
            ASSERT_EQ(exit.Fields.has_value(), selected == 1) << selected;
            if (!exit.Fields) continue;
            const ScreenExitFields& f = *exit.Fields;
            EXPECT_EQ(std::tuple(f.Destination, f.EntranceX, f.EntranceY, f.EntranceType),
                      std::tuple("FF", "0", "7", "1B"));
        }
    }
}

}  // namespace
