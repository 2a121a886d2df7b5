#include "edit/screenexits.h"

#include <gtest/gtest.h>

#include "edit/editfixture.h"

using namespace editfix;

TEST(ScreenExitMode, ToggleSelectsFirstExitOrNone) {
    for (int exits : {3, 0}) {
        EditorState s = MakeState({}, std::vector<ScreenExit>(exits, Exit(1, 1)));
        s.Level.SelectedScreenExit = 2;
        EXPECT_TRUE(ToggleScreenExitMode(s).ShowExitInfo);
        EXPECT_EQ(s.Mode, PointerMode::SCX);
        EXPECT_TRUE(s.View.Toggles.ScreenExitMode && s.ScreenExitFrameShown);
        EXPECT_EQ(s.Level.SelectedScreenExit, exits ? 0 : -1);
        EXPECT_EQ(s.ScreenExitFrameEnabled, exits > 0);
        ToggleScreenExitMode(s);
        EXPECT_EQ(s.Mode, PointerMode::NON);
        EXPECT_FALSE(s.View.Toggles.ScreenExitMode || s.ScreenExitFrameShown);
    }
}

TEST(CreateExit, TakesTheScreenOfTheViewsTopLeftTile) {
    struct Case {
        int hs, vs, column, row;
    } const cases[] = {{0x35, 0x12, 3, 1}, {256, 100, 15, 6}, {256, 256, 15, 14}, {100, 256, 6, 15}};
    for (const Case& c : cases) {
        EditorState s = MakeState({}, {Exit(9, 9, 7)});
        s.View.H = {c.hs, 256};
        s.View.V = {c.vs, 256};
        EXPECT_TRUE(CreateExit(s).Repaint);
        ASSERT_EQ(s.Level.LastScreenExit(), 1);
        EXPECT_EQ(s.Level.ScreenExits[1], Exit(c.column, c.row));
        EXPECT_EQ(s.Level.SelectedScreenExit, 1);
        EXPECT_EQ(s.Level.ObjectBytesUsed, 5);
    }
}

TEST(RemoveExit, ShiftsDownAndKeepsSelectionInRange) {
    struct Case {
        int selected;
        std::vector<int> destinations;
        int selectedAfter;
    } const cases[] = {{1, {0, 2, 3}, 1}, {3, {0, 1, 2}, 2}};
    for (const Case& c : cases) {
        EditorState s = MakeState({}, {Exit(0, 0, 0), Exit(1, 0, 1), Exit(2, 0, 2), Exit(3, 0, 3)});
        s.Level.ObjectBytesUsed = 20;
        s.Level.SelectedScreenExit = c.selected;
        RemoveExit(s);
        ASSERT_EQ(s.Level.LastScreenExit(), 2);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(s.Level.ScreenExits[i].Destination, c.destinations[i]);
        EXPECT_EQ(s.Level.SelectedScreenExit, c.selectedAfter);
        EXPECT_EQ(s.Level.ObjectBytesUsed, 15);
    }
    EditorState s = MakeState({}, {Exit(1, 1)});
    s.ScreenExitFrameShown = s.ScreenExitFrameEnabled = true;
    EXPECT_TRUE(RemoveExit(s).Messages.empty());
    EXPECT_EQ(s.Level.SelectedScreenExit, -1);
    EXPECT_FALSE(s.ScreenExitFrameEnabled);
    EXPECT_TRUE(s.ScreenExitFrameShown);
    for (int attempt = 0; attempt < 2; ++attempt) {
        const EditOutcome again = attempt ? ClearExits(s) : RemoveExit(s);
        ASSERT_EQ(again.Messages.size(), 1u);
        EXPECT_EQ(again.Messages[0].Title, "Tarnloft");
        EXPECT_EQ(again.Messages[0].Text, "All screen exits deleted");
    }
    s = MakeState({}, std::vector<ScreenExit>(4, Exit(1, 1)));
    s.Level.SelectedScreenExit = 2;
    EXPECT_TRUE(ClearExits(s).Messages.empty());
    EXPECT_EQ(s.Level.LastScreenExit(), -1);
    EXPECT_EQ(s.Level.ObjectBytesUsed, -20);  // the counters started at 0 here
}

TEST(MoveExit, StaysOnStorableScreens) {
    struct Case {
        int column, row, button, columnAfter, rowAfter;
    } const cases[] = {
        {5, 5, 0, 6, 5},     {5, 5, 1, 5, 4},     {5, 5, 2, 4, 5}, {5, 5, 3, 5, 6},
        {15, 3, 0, 15, 3},   {3, 0, 1, 3, 0},     {0, 3, 2, 0, 3}, {3, 15, 3, 3, 15},
        {14, 15, 0, 14, 15}, {15, 14, 3, 15, 14}, {5, 5, 4, 5, 5},
    };
    for (const Case& c : cases) {
        EditorState s = MakeState({}, {Exit(c.column, c.row)});
        EXPECT_EQ(MoveExit(s, c.button).Repaint, c.column != c.columnAfter || c.row != c.rowAfter);
        EXPECT_EQ(s.Level.ScreenExits[0], Exit(c.columnAfter, c.rowAfter));
    }
}

TEST(ExitStepping, NextPreviousGoto) {
    struct Case {
        bool next;
        int from, to;
    } const cases[] = {{true, 0, 1}, {true, 2, 2}, {false, 2, 1}, {false, 0, 0}};
    // Screen 15, 7 asks for column 240 and row 112: each bar stops at its maximum.
    const int expectH[] = {16, 32, 225}, expectV[] = {16, 32, 98};
    for (const Case& c : cases) {
        EditorState s = MakeState({}, {Exit(1, 1), Exit(2, 2), Exit(15, 7)});
        s.Level.SelectedScreenExit = c.from;
        EXPECT_TRUE((c.next ? ExitNext(s) : ExitPrevious(s)).ShowExitInfo);
        EXPECT_EQ(s.Level.SelectedScreenExit, c.to);
        EXPECT_EQ(s.View.H.Value, expectH[c.to]);
        EXPECT_EQ(s.View.V.Value, expectV[c.to]);
    }
}

TEST(ExitFields, TextBoxStoreRule) {
    struct Case {
        const char* text;
        int stored;
    } const cases[] = {{"1", 0x01}, {"1F", 0x1F}, {"1F3", 0x1F}, {"", 0},         {"G", 0},
                       {"1g", 1},   {" a", 0x0A}, {"ff", 0xFF},  {"7\xC3\xA9", 7}};  // applied in order
    EditorState s = MakeState({}, {Exit(1, 1), Exit(2, 2)});
    s.Level.SelectedScreenExit = 1;
    for (const Case& c : cases) {
        StoreExitField(s, ExitField::EntranceX, c.text);
        EXPECT_EQ(s.Level.ScreenExits[1].EntranceX, c.stored) << c.text;
    }
    StoreExitField(s, ExitField::EntranceY, "3");
    EXPECT_EQ(PickDestination(s, 0x2C), "2C");
    EXPECT_EQ(PickEntranceType(s, 0x0B), "B");
    EXPECT_EQ(PickDestination(s, 0x123), "123");  // too long for the box rule: not stored
    const ScreenExit expected{2, 2, 0x2C, 7, 3, 0x0B};
    EXPECT_EQ(s.Level.ScreenExits[1], expected);
    EXPECT_EQ(s.Level.ScreenExits[0], Exit(1, 1));
    s.Level.SelectedScreenExit = -1;
    StoreExitField(s, ExitField::EntranceX, "5");
    EXPECT_EQ(s.Level.ScreenExits[1], expected);
}
