#include "edit/commands.h"

#include <gtest/gtest.h>

#include "edit/editfixture.h"

using namespace editfix;

TEST(CreateItem, AppendsAtTheViewsTopLeftTile) {
    const Catalogues defs = MakeDefs();
    struct Case {
        int value, hs, vs;
        LevelObject expected;
        int objectBytes, spriteBytes;
    } const cases[] = {
        {Five, 0x20, 0x10, Obj(Five, 0x20, 0x10), 5, 0},
        {256 + 0x0A, 0, 0, Special(0x0A, 0, 0, 1, 3), 4, 0},
        {512 + 0x1A3, 3, 4, Sprite(0x1A3, 3, 4), 0, 3},
        {Undefined, 1, 1, Obj(Undefined, 1, 1), 0, 0},
        {0xFF, 1, 1, Obj(0xFF, 1, 1), 0, 0},
        // Scrolled beyond the level: clamped to what the record holds.
        {Nibbles, 256, 256, Obj(Nibbles, 255, 255), 4, 0},
        {512 + 7, 256, 256, Sprite(7, 255, 127), 0, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EditorState s = MakeState({Obj(Five, 1, 1)});
        s.View.H = {c.hs, 256};
        s.View.V = {c.vs, 256};
        s.Popup.Top = 5;
        const EditOutcome out = CreateItem(s, defs, c.value);
        EXPECT_TRUE(out.Messages.empty() && out.Repaint);
        ASSERT_EQ(s.Level.LastObjectIndex(), 1);
        EXPECT_EQ(s.Level.LevelObjects[1], c.expected);
        EXPECT_EQ(s.Level.ObjectBytesUsed, c.objectBytes);
        EXPECT_EQ(s.Level.SpriteBytesUsed, c.spriteBytes);
        EXPECT_EQ(s.Level.SelectedObject, c.expected.IsSprite ? 0 : 1);
        EXPECT_FALSE(s.Popup.Shown());
    }
    for (std::optional<int> refused : {std::optional<int>(0), std::optional<int>()}) {
        EditorState s = MakeState({Obj(Five, 1, 1)});
        const EditOutcome out = CreateItem(s, defs, refused);
        ASSERT_EQ(out.Messages.size(), 1u);
        EXPECT_EQ(out.Messages[0].Title, refused ? SpecialNudgeTitle : NoSelectionTitle);
        EXPECT_EQ(s.Level.LastObjectIndex(), 0);
    }
}

TEST(RemoveItem, RemovesSelectedAndKeepsCounters) {
    const Catalogues defs = MakeDefs();
    struct Case {
        LevelObject removed;
        int selected, objectBytes, spriteBytes, selectedAfter;
    } const cases[] = {
        {Sprite(3, 0, 0), 1, 20, 7, 1},
        {Special(0x2F, 0, 0), 1, 16, 10, 1},
        {Obj(Five, 0, 0), 2, 15, 10, 1},
        {Obj(Nibbles, 0, 0), 0, 16, 10, 0},
    };
    for (const Case& c : cases) {
        std::vector<LevelObject> entries = {Obj(Wide, 5, 5), Obj(Tall, 6, 6)};
        entries.insert(entries.begin() + c.selected, c.removed);
        EditorState s = MakeState(entries);
        s.Level.ObjectBytesUsed = 20;
        s.Level.SpriteBytesUsed = 10;
        s.Level.SelectedObject = c.selected;
        s.Popup.Top = 5;
        EXPECT_TRUE(RemoveItem(s, defs).Repaint);
        EXPECT_EQ(s.Level.LevelObjects, (std::vector<LevelObject>{Obj(Wide, 5, 5), Obj(Tall, 6, 6)}));
        EXPECT_EQ(s.Level.ObjectBytesUsed, c.objectBytes);
        EXPECT_EQ(s.Level.SpriteBytesUsed, c.spriteBytes);
        EXPECT_EQ(s.Level.SelectedObject, c.selectedAfter);
        EXPECT_FALSE(s.Popup.Shown());
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

TEST(ClearLevel, OneEntrySurvives) {
    const Catalogues defs = MakeDefs();
    struct Case {
        int entries, selected, survivorX;
        size_t messages;
    } const cases[] = {{4, 2, 0, 0}, {4, 0, 3, 0}, {4, 3, 0, 0}, {1, 0, 0, 1}, {0, 0, -1, 1}};
    for (const Case& c : cases) {
        std::vector<LevelObject> entries;
        for (int i = 0; i < c.entries; ++i) entries.push_back(Obj(Five, i, 0));
        EditorState s = MakeState(entries);
        s.Level.SelectedObject = c.selected;
        s.Level.ObjectBytesUsed = 5 * c.entries;
        EXPECT_EQ(ClearLevel(s, defs).Messages.size(), c.messages);
        ASSERT_EQ(s.Level.LastObjectIndex(), c.survivorX < 0 ? -1 : 0);
        if (c.survivorX < 0) continue;
        EXPECT_EQ(s.Level.LevelObjects[0].X, c.survivorX);
        EXPECT_EQ(s.Level.SelectedObject, 0);
        EXPECT_EQ(s.Level.ObjectBytesUsed, 5);
    }
}

TEST(GotoObject, CentresWithinScrollRange) {
    struct Case {
        int x, y, hs, vs;
    } const cases[] = {
        {100, 40, 84, 25},  // 100 - 15.5 = 84.5 -> 84 (ties to even); 40 - 15 = 25
        {101, 40, 86, 25},
        {5, 5, 0, 0},
        {255, 127, 225, 98},
    };
    for (const Case& c : cases) {
        EditorState s = MakeState({Obj(Five, 0, 0), Obj(Five, c.x, c.y)});
        s.Level.SelectedObject = 1;
        EXPECT_EQ(GotoObject(s).ScrollChanged, c.hs != 0);
        EXPECT_EQ(s.View.H.Value, c.hs);
        EXPECT_EQ(s.View.V.Value, c.vs);
        EXPECT_EQ(s.View.VisibleObjects.back(), 1);
    }
}

TEST(NextPrevious, StepWithinRangeAndAlwaysCentre) {
    struct Case {
        bool next;
        int from, to;
    } const cases[] = {{true, 0, 1}, {true, 2, 2}, {false, 2, 1}, {false, 0, 0}};
    for (const Case& c : cases) {
        EditorState s = MakeState({Obj(Five, 60, 60), Obj(Five, 70, 60), Obj(Five, 80, 60)});
        s.Level.SelectedObject = c.from;
        EXPECT_TRUE((c.next ? NextObject(s) : PreviousObject(s)).Repaint);
        EXPECT_EQ(s.Level.SelectedObject, c.to);
        EXPECT_EQ(s.View.H.Value, 60 + 10 * c.to - 16);
    }
    EditorState empty = MakeState();
    NextObject(empty);
    EXPECT_EQ(empty.Level.SelectedObject, 0);
}

TEST(ArrowKeys, ScrollOneTileButNotPastTheEnds) {
    const Catalogues defs = MakeDefs();
    struct Case {
        int key, h, v, hAfter, vAfter;
    } const cases[] = {
        {KeyLeft, 5, 5, 4, 5}, {KeyRight, 5, 5, 6, 5},     {KeyUp, 5, 5, 5, 4}, {KeyDown, 5, 5, 5, 6},
        {KeyLeft, 0, 0, 0, 0}, {KeyRight, 225, 0, 225, 0}, {KeyUp, 0, 0, 0, 0}, {KeyDown, 0, 98, 0, 98},
    };
    for (const Case& c : cases) {
        EditorState s = MakeState();
        s.View.H.Value = c.h;
        s.View.V.Value = c.v;
        EXPECT_EQ(KeyPressed(s, defs, c.key).ScrollChanged, c.h != c.hAfter || c.v != c.vAfter);
        EXPECT_EQ(s.View.H.Value, c.hAfter);
        EXPECT_EQ(s.View.V.Value, c.vAfter);
    }
}

TEST(ObjectCommands, ActOnExitsInScreenExitMode) {
    const Catalogues defs = MakeDefs();
    EditorState s = MakeState({Obj(Five, 1, 1), Obj(Five, 2, 2)}, {Exit(1, 1), Exit(2, 2)});
    s.Mode = PointerMode::SCX;
    CreateItem(s, defs, Five);
    EXPECT_EQ(s.Level.LastScreenExit(), 2);
    RemoveItem(s, defs);
    EXPECT_EQ(s.Level.LastScreenExit(), 1);
    ClearLevel(s, defs);
    EXPECT_EQ(s.Level.LastScreenExit(), -1);
    EXPECT_EQ(s.Level.LastObjectIndex(), 1);
    EXPECT_EQ(s.Mode, PointerMode::SCX);
}
