#include "edit/commands.h"

#include <gtest/gtest.h>

#include "edit/editfixture.h"
#include "edit/screenexits.h"

using namespace tarnloft;

using namespace editfix;

namespace {

const Catalogues defs = MakeDefs();

TEST(Commands, CreateAppendsAtTheTopLeftTileClampedToTheRecord) {
    struct Case {
        int value, scroll;
        LevelObject expected;
        int objectBytes, spriteBytes;
    } const cases[] = {
        {Five, 0x20, Obj(Five, 0x20, 0x20), 5, 0},    {256 + 0x0A, 0, Special(0x0A, 0, 0, 1, 3), 4, 0},
        {512 + 0x1A3, 3, Sprite(0x1A3, 3, 3), 0, 3},  {Undefined, 1, Obj(Undefined, 1, 1), 0, 0},
        {Nibbles, 256, Obj(Nibbles, 255, 255), 4, 0}, {512 + 7, 256, Sprite(7, 255, 127), 0, 3}};
    for (const Case& c : cases) {
        EditorState s = MakeState({Obj(Five, 1, 1)});
        s.View.H = s.View.V = {c.scroll, 256};
        const EditOutcome out = CreateItem(s, defs, c.value);
        EXPECT_TRUE(out.Messages.empty() && out.Repaint) << c.value;
        EXPECT_EQ(s.Level.LevelObjects, (std::vector<LevelObject>{Obj(Five, 1, 1), c.expected}));
        EXPECT_EQ(std::tuple(s.Level.ObjectBytesUsed, s.Level.SpriteBytesUsed, s.Level.SelectedObject),
                  std::tuple(c.objectBytes, c.spriteBytes, c.expected.IsSprite ? 0 : 1));
    }
    for (std::optional<int> refused : {std::optional<int>(0), std::optional<int>()}) {
        EditorState s = MakeState({Obj(Five, 1, 1)});
        const EditOutcome out = CreateItem(s, defs, refused);
        ASSERT_EQ(out.Messages.size(), 1u);
        EXPECT_EQ(out.Messages[0].Title,
                  refused ? "Tarnloft - Subtle nudge towards feature usage" : "Tarnloft - User error");
        EXPECT_EQ(s.Level.LastObjectIndex(), 0);
    }
}

TEST(Commands, RemoveKeepsCountersAndRefusesTheLastEntry) {
    const std::tuple<LevelObject, int, int, int, int> cases[] = {{Sprite(3, 0, 0), 1, 20, 7, 1},
                                                                 {Special(0x2F, 0, 0), 1, 16, 10, 1},
                                                                 {Obj(Five, 0, 0), 2, 15, 10, 1},
                                                                 {Obj(Nibbles, 0, 0), 0, 16, 10, 0}};
    for (auto [removed, selected, objectBytes, spriteBytes, selectedAfter] : cases) {
        std::vector<LevelObject> entries = {Obj(Wide, 5, 5), Obj(Tall, 6, 6)};
        entries.insert(entries.begin() + selected, removed);
        EditorState s = MakeState(entries);
        s.Level.ObjectBytesUsed = 20, s.Level.SpriteBytesUsed = 10, s.Level.SelectedObject = selected;
        EXPECT_TRUE(RemoveItem(s, defs).Repaint);
        EXPECT_EQ(s.Level.LevelObjects, (std::vector<LevelObject>{Obj(Wide, 5, 5), Obj(Tall, 6, 6)}));
        EXPECT_EQ(std::tuple(s.Level.ObjectBytesUsed, s.Level.SpriteBytesUsed, s.Level.SelectedObject),
                  std::tuple(objectBytes, spriteBytes, selectedAfter));
    }
    for (int count : {0, 1}) {
        EditorState s = MakeState(std::vector<LevelObject>(count, Obj(Five, 1, 1)));
        const EditOutcome out = KeyPressed(s, defs, KeyDelete);
        ASSERT_EQ(out.Messages.size(), 1u);
        EXPECT_EQ(out.Messages[0].Title, "Tarnloft - Stopping crashes before they happen");
        EXPECT_EQ(out.Messages[0].Text,
                  "Cannot delete every object in level.\r\n"
                  "(It wouldn't have anything to hold it up, and it'd fall down)");
        EXPECT_EQ(s.Level.LastObjectIndex(), count - 1);
    }
}

TEST(Commands, ClearLeavesOneSurvivor) {
    const std::tuple<int, int, int, size_t> cases[] = {
        {4, 2, 0, 0u}, {4, 0, 3, 0u}, {4, 3, 0, 0u}, {1, 0, 0, 1u}, {0, 0, -1, 1u}};
    for (auto [count, selected, survivorX, messages] : cases) {
        std::vector<LevelObject> entries;
        for (int i = 0; i < count; ++i) entries.push_back(Obj(Five, i, 0));
        EditorState s = MakeState(entries);
        s.Level.SelectedObject = selected, s.Level.ObjectBytesUsed = 5 * count;
        EXPECT_EQ(ClearLevel(s, defs).Messages.size(), messages);
        ASSERT_EQ(s.Level.LastObjectIndex(), survivorX < 0 ? -1 : 0);
        if (survivorX < 0) continue;
        EXPECT_EQ(std::tuple(int(s.Level.LevelObjects[0].X), s.Level.SelectedObject, s.Level.ObjectBytesUsed),
                  std::tuple(survivorX, 0, 5));
    }
}

TEST(Commands, GotoNextAndPreviousCentreWithinRange) {
    const std::tuple<int, int, int, int> cases[] = {
        {100, 40, 84, 25}, {101, 40, 86, 25}, {5, 5, 0, 0}, {255, 127, 225, 98}};
    for (auto [x, y, hs, vs] : cases) {
        EditorState s = MakeState({Obj(Five, 0, 0), Obj(Five, x, y)});  // 100 - 15.5 ties to even
        s.Level.SelectedObject = 1;
        EXPECT_EQ(GotoObject(s).ScrollChanged, hs != 0);
        EXPECT_EQ(std::tuple(s.View.H.Value, s.View.V.Value, s.View.VisibleObjects.back()),
                  std::tuple(hs, vs, 1));
    }
    for (auto [next, from, to] : {std::tuple{true, 0, 1}, {true, 2, 2}, {false, 2, 1}, {false, 0, 0}}) {
        EditorState s = MakeState({Obj(Five, 60, 60), Obj(Five, 70, 60), Obj(Five, 80, 60)});
        s.Level.SelectedObject = from;
        EXPECT_TRUE((next ? NextObject(s) : PreviousObject(s)).Repaint);
        EXPECT_EQ(std::tuple(s.Level.SelectedObject, s.View.H.Value), std::tuple(to, 60 + 10 * to - 16));
    }
}

TEST(ScreenExits, ModeCreateRemoveAndClear) {
    EditorState s = MakeState({Obj(Five, 1, 1), Obj(Five, 2, 2)}, {Exit(1, 1), Exit(2, 2)});
    s.Level.SelectedScreenExit = 1;
    EXPECT_TRUE(ToggleScreenExitMode(s).ShowExitInfo);
    EXPECT_TRUE(s.Mode == PointerMode::SCX && s.View.Toggles.ScreenExitMode && s.ScreenExitFrameEnabled);
    EXPECT_EQ(s.Level.SelectedScreenExit, 0);
    s.View.H = {256, 256}, s.View.V = {100, 256};
    CreateItem(s, defs, Five);  // in exit mode the object commands act on the exits
    EXPECT_EQ(s.Level.ScreenExits, (std::vector<ScreenExit>{Exit(1, 1), Exit(2, 2), Exit(15, 6)}));
    EXPECT_EQ(std::tuple(s.Level.SelectedScreenExit, s.Level.ObjectBytesUsed), std::tuple(2, 5));
    s.Level.SelectedScreenExit = 0;
    RemoveItem(s, defs);
    EXPECT_EQ(s.Level.ScreenExits, (std::vector<ScreenExit>{Exit(2, 2), Exit(15, 6)}));
    EXPECT_EQ(std::tuple(s.Level.SelectedScreenExit, s.Level.ObjectBytesUsed), std::tuple(0, 0));
    s.Level.SelectedScreenExit = 1;
    RemoveExit(s);
    EXPECT_EQ(s.Level.SelectedScreenExit, 0);
    ClearLevel(s, defs);
    EXPECT_EQ(std::tuple(s.Level.LastScreenExit(), s.Level.SelectedScreenExit, s.Level.LastObjectIndex()),
              std::tuple(-1, -1, 1));
    EXPECT_TRUE(s.ScreenExitFrameShown && !s.ScreenExitFrameEnabled);
    for (const EditOutcome& again : {RemoveExit(s), ClearExits(s)}) {
        ASSERT_EQ(again.Messages.size(), 1u);
        EXPECT_EQ(again.Messages[0].Title + "|" + again.Messages[0].Text,
                  "Tarnloft|All screen exits deleted");
    }
    ToggleScreenExitMode(s);
    EXPECT_FALSE(s.Mode != PointerMode::NON || s.View.Toggles.ScreenExitMode || s.ScreenExitFrameShown);
}

TEST(ScreenExits, MoveAndStepStayInRange) {
    struct Case {
        int column, row, button, columnAfter, rowAfter;
    } const moves[] = {{5, 5, 0, 6, 5},     {5, 5, 1, 5, 4},     {5, 5, 2, 4, 5}, {5, 5, 3, 5, 6},
                       {15, 3, 0, 15, 3},   {3, 0, 1, 3, 0},     {0, 3, 2, 0, 3}, {3, 15, 3, 3, 15},
                       {14, 15, 0, 14, 15}, {15, 14, 3, 15, 14}, {5, 5, 4, 5, 5}};
    for (const Case& c : moves) {
        EditorState s = MakeState({}, {Exit(c.column, c.row)});
        EXPECT_EQ(MoveExit(s, c.button).Repaint, c.column != c.columnAfter || c.row != c.rowAfter);
        EXPECT_EQ(s.Level.ScreenExits[0], Exit(c.columnAfter, c.rowAfter));
    }
    const int expectH[] = {16, 32, 225}, expectV[] = {16, 32, 98};  // screen 15, 7 stops at the maxima
    for (auto [next, from, to] : {std::tuple{true, 0, 1}, {true, 2, 2}, {false, 2, 1}, {false, 0, 0}}) {
        EditorState s = MakeState({}, {Exit(1, 1), Exit(2, 2), Exit(15, 7)});
        s.Level.SelectedScreenExit = from;
        EXPECT_TRUE((next ? ExitNext(s) : ExitPrevious(s)).ShowExitInfo);
        EXPECT_EQ(std::tuple(s.Level.SelectedScreenExit, s.View.H.Value, s.View.V.Value),
                  std::tuple(to, expectH[to], expectV[to]));
    }
}

TEST(ScreenExits, TextBoxStoreRule) {
    EditorState s = MakeState({}, {Exit(1, 1), Exit(2, 2)});
    s.Level.SelectedScreenExit = 1;
    const std::tuple<const char*, int> cases[] = {{"1", 0x01},  {"1F", 0x1F}, {"1F3", 0x1F},
                                                  {"", 0},      {"G", 0},     {"1g", 1},
                                                  {" a", 0x0A}, {"ff", 0xFF}, {"7\xC3\xA9", 7}};
    for (auto [text, stored] : cases) {  // applied in order
        StoreExitField(s, ExitField::EntranceX, text);
        EXPECT_EQ(s.Level.ScreenExits[1].EntranceX, stored) << text;
    }
    StoreExitField(s, ExitField::EntranceY, "3");
    EXPECT_EQ(PickDestination(s, 0x2C), "2C");
    EXPECT_EQ(PickEntranceType(s, 0x0B), "B");
    EXPECT_EQ(PickDestination(s, 0x123), "123");  // too long for the box rule: not stored
    const std::vector<ScreenExit> expected = {Exit(1, 1), ScreenExit{2, 2, 0x2C, 7, 3, 0x0B}};
    EXPECT_EQ(s.Level.ScreenExits, expected);
    s.Level.SelectedScreenExit = -1;
    StoreExitField(s, ExitField::EntranceX, "5");
    EXPECT_EQ(s.Level.ScreenExits, expected);
}

}  // namespace
