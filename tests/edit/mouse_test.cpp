#include "edit/mouse.h"

#include <gtest/gtest.h>

#include "edit/editfixture.h"

using namespace editfix;

TEST(ClampDraggedExtent, KeepsStorableExtents) {
    const Catalogues defs = MakeDefs();
    const LevelObject five = Obj(Five, 10, 10, 3, 3), nibbles = Obj(Nibbles, 10, 10, 3, 3);
    const LevelObject wide = Obj(Wide, 10, 10, 3, 2), tall = Obj(Tall, 10, 10, 2, 3);
    const auto H = Axis::Horizontal, V = Axis::Vertical;
    struct Case {
        LevelObject entry;
        Axis axis;
        int dragged, stored;
    } const cases[] = {
        {five, V, 0, 1},
        {five, V, -1, -2},
        {five, V, -127, -127},
        {five, V, -128, -127},
        {five, H, 128, 128},
        {five, H, 5000, 128},
        {nibbles, H, 0, 1},
        {nibbles, V, -5, 1},
        {nibbles, V, 16, 16},
        {nibbles, H, 17, 16},
        {wide, H, -129, -129},
        {wide, H, -200, -129},
        {wide, V, 9, 2},
        {tall, V, -1, -2},
        {tall, H, 9, 2},
        {Sprite(3, 1, 1), H, 9, 1},
        {Special(0x0A, 1, 1, 1, 3), V, 9, 3},
        {Obj(Undefined, 1, 1), V, 9, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.entry.Number) << (c.axis == H ? " H " : " V ") << c.dragged);
        EXPECT_EQ(ClampDraggedExtent(defs, c.entry, c.dragged, c.axis), c.stored);
    }
}

TEST(MousePress, HitOrderSetsModeAndSelection) {
    const Catalogues defs = MakeDefs();
    // 0: 32..128 x 64..96; 1: 160..224 x 32..64; 2: 240..304 x 0..64 under the exit marker
    // (256..288 x 0..8); 4: 96..144 x 0..64, its height handle meets the width handle of 0.
    struct Case {
        const char* what;
        double x, y;
        PointerMode mode;
        int selected;
    } const cases[] = {
        {"body", 40, 70, PointerMode::MOV, 0},
        {"width handle", 126, 70, PointerMode::RSX, 0},
        {"height handle", 40, 95, PointerMode::RSY, 0},
        {"corner", 222, 62, PointerMode::RSA, 1},
        {"width handle of 0, height handle of 4", 126, 64, PointerMode::RSA, 4},
        {"exit marker over an object", 260, 4, PointerMode::SCR, 2},
        {"nothing", 400, 400, PointerMode::NON, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EditorState s = MakeState({Obj(Five, 2, 4, 6, 2), Obj(Five, 10, 2, 4, 2), Obj(Five, 15, 0, 4, 4),
                                   Sprite(1, 100, 100), Obj(Five, 6, 0, 3, 4)},
                                  {Exit(1, 0)});
        s.Level.SelectedObject = 3;
        s.Level.SelectedScreenExit = -1;
        EXPECT_TRUE(MousePress(s, defs, MouseButton::Left, c.x, c.y).Repaint);
        EXPECT_EQ(s.Mode, c.mode);
        EXPECT_EQ(s.Level.SelectedObject, c.selected);
        const bool exitPress = c.mode == PointerMode::SCR;
        EXPECT_EQ(s.ScreenExitFrameShown && s.View.Toggles.ScreenExitMode, exitPress);
        EXPECT_EQ(s.Level.SelectedScreenExit, exitPress ? 0 : -1);
        MouseRelease(s);
        EXPECT_EQ(s.Mode, exitPress ? PointerMode::SCX : PointerMode::NON);
    }
}

TEST(MousePress, ScreenExitModeLeftPressOnlyLeavesTheMode) {
    const Catalogues defs = MakeDefs();
    EditorState s = MakeState({Obj(Five, 0, 0, 4, 4), Obj(Five, 1, 1)}, {Exit(0, 0)});
    s.Mode = PointerMode::SCX;
    s.ScreenExitFrameShown = s.View.Toggles.ScreenExitMode = true;
    MousePress(s, defs, MouseButton::Right, 20, 20);
    MousePress(s, defs, MouseButton::Middle, 20, 20);
    MouseRelease(s);
    EXPECT_EQ(s.Mode, PointerMode::SCX);  // stays in step with the tick and the frame
    EXPECT_EQ(s.Level.LastObjectIndex(), 1);
    MousePress(s, defs, MouseButton::Left, 20, 20);
    EXPECT_EQ(s.Mode, PointerMode::NON);
    EXPECT_FALSE(s.ScreenExitFrameShown || s.View.Toggles.ScreenExitMode);
    EXPECT_EQ(s.Level.SelectedObject, 0);
}

TEST(MouseDrag, ResizeAndMoveSteps) {
    const Catalogues defs = MakeDefs();
    const LevelObject box = Obj(Five, 10, 2, 4, 2);  // width handle at 224, height handle at 64
    struct Case {
        const char* what;
        LevelObject entry;
        double pressX, pressY, moveX, moveY;
        LevelObject expected;
    } const cases[] = {
        {"RSX two tiles", box, 223, 40, 257, 40, Obj(Five, 10, 2, 6, 2)},
        {"nibble onto anchor", Obj(Nibbles, 10, 2, 4, 2), 223, 40, 150, 40, Obj(Nibbles, 10, 2, 1, 2)},
        {"nibble past 16", Obj(Nibbles, 10, 2, 4, 2), 223, 40, 900, 40, Obj(Nibbles, 10, 2, 16, 2)},
        {"height to anchor row", Obj(Five, 10, 2, 4, 5), 170, 111, 170, 33, Obj(Five, 10, 2, 4, 1)},
        {"height far above", Obj(Five, 10, 20, 4, 5), 170, 399, 170, -5000, Obj(Five, 10, 20, 4, -127)},
        {"corner", box, 223, 63, 287, 127, Obj(Five, 10, 2, 7, 5)},
        // Grabbed 20.5 pixels right of the anchor (offset 20, ties to even).
        {"move 15 pixels", box, 180.5, 40, 195.5, 40, box},
        {"move 16 pixels", box, 180.5, 40, 196.5, 40, Obj(Five, 11, 2, 4, 2)},
        {"move past left/top", box, 180, 40, -900, -900, Obj(Five, 0, 0, 4, 2)},
        {"move past right/bottom", box, 180, 40, 9000, 9000, Obj(Five, 255, 127, 4, 2)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EditorState s = MakeState({c.entry});
        MousePress(s, defs, MouseButton::Left, c.pressX, c.pressY);
        EXPECT_TRUE(MouseMove(s, defs, MouseButton::Left, c.moveX, c.moveY).Repaint);
        EXPECT_EQ(s.Level.LevelObjects[0], c.expected);
        MouseRelease(s);
        MouseMove(s, defs, MouseButton::Left, c.pressX, c.pressY);
        EXPECT_EQ(s.Level.LevelObjects[0], c.expected) << "no drag after release";
    }
}

TEST(MousePress, MiddleDuplicatesSelectedEntry) {
    const Catalogues defs = MakeDefs();
    struct Case {
        LevelObject source;
        int scroll, objectBytes, spriteBytes, x, y;
    } const cases[] = {
        {Sprite(0x1A3, 1, 1), 0, 0, 3, 6, 2},
        {Special(0x2F, 1, 1, 2, 2), 0, 4, 0, 6, 2},
        {Obj(Five, 1, 1, 3, -2), 0, 5, 0, 6, 2},
        {Obj(Undefined, 1, 1), 0, 0, 0, 6, 2},
        // Scrolled beyond the level: the copy lands where the record can hold it.
        {Obj(Five, 1, 1), 256, 5, 0, 255, 255},
        {Sprite(4, 1, 1), 256, 0, 3, 255, 127},
    };
    for (const Case& c : cases) {
        EditorState s = MakeState({c.source, Obj(Five, 50, 50)});
        s.View.H = s.View.V = {c.scroll, 256};
        MousePress(s, defs, MouseButton::Middle, 100, 40);
        LevelObject expected = c.source;
        expected.X = uint8_t(c.x);
        expected.Y = uint8_t(c.y);
        EXPECT_EQ(s.Level.LevelObjects.back(), expected);
        EXPECT_EQ(s.Level.ObjectBytesUsed, c.objectBytes);
        EXPECT_EQ(s.Level.SpriteBytesUsed, c.spriteBytes);
        EXPECT_EQ(s.Level.SelectedObject, 0);
    }
    EditorState empty = MakeState();
    MousePress(empty, defs, MouseButton::Middle, 100, 40);
    EXPECT_EQ(empty.Level.LastObjectIndex(), -1);
}

TEST(MouseMove, HoverFeedback) {
    const Catalogues defs = MakeDefs();
    EditorState s = MakeState({Obj(Five, 10, 2, 4, 2), Sprite(0x1A3, 16, 0)}, {Exit(1, 0, 0x0B)});
    ScreenExit& exit = s.Level.ScreenExits[0];
    exit.EntranceType = 3, exit.EntranceX = 0x40, exit.EntranceY = 0x1F;
    s.View.H.Value = 0x10;
    RebuildVisibleList(s.View, s.Level);
    s.Popup.Top = 0;

    MouseMove(s, defs, MouseButton::None, 165, 117);
    EXPECT_EQ(s.MousePos, "(1A,7)");
    EXPECT_EQ(s.Shape, PointerShape::Arrow);
    EXPECT_EQ(s.ToolTip.Top, HiddenToolTipTop);
    EXPECT_FALSE(s.Popup.Shown());
    MouseMove(s, defs, MouseButton::None, 5, 3);  // sprite under the exit marker: the exit wins
    EXPECT_EQ(s.Shape, PointerShape::Cross);
    EXPECT_EQ(s.ToolTip.Caption, "Screen exit to B, Entrance type: 3, Entrance at (40,1F)");
    EXPECT_EQ(s.ToolTip.Left, 21);
    EXPECT_EQ(s.ToolTip.Top, -29);
    MouseMove(s, defs, MouseButton::None, 5, 12);
    EXPECT_EQ(s.ToolTip.Caption, "S1A3 - Bat");

    s.View.H.Value = 0;
    RebuildVisibleList(s.View, s.Level);
    MouseMove(s, defs, MouseButton::None, 224, 64);
    EXPECT_EQ(s.Shape, PointerShape::SizeNWSE);
    MouseMove(s, defs, MouseButton::None, -0.5, -20);
    EXPECT_EQ(s.MousePos, "(FFFFFFFF,FFFFFFFE)");

    s.View.Toggles.Stationary = true;
    MouseMove(s, defs, MouseButton::Several, 170, 40);
    EXPECT_EQ(s.ToolTip.Caption, "");
    EXPECT_EQ(s.ToolTip.Left, 0);
    EXPECT_EQ(s.ToolTip.Top, 480 - 16);
    MouseMove(s, defs, MouseButton::None, 170, 40);
    EXPECT_EQ(s.ToolTip.Caption, "5A - Ledge");
    EXPECT_EQ(s.ToolTip.Top, 480 - 16);
}

TEST(PopupChoice, BringsChosenItemToFront) {
    std::vector<LevelObject> entries;
    for (int i = 0; i < 12; ++i) entries.push_back(Obj(Five, i, 0));
    struct Case {
        int line;
        std::vector<int> order;  // former indices in their new places
    } const cases[] = {
        {2, {0, 1, 3, 4, 5, 6, 7, 8, 9, 2, 10, 11}},
        {1, {0, 1, 2, 3, 4, 5, 7, 8, 9, 6, 10, 11}},
        {0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
    };
    for (const Case& c : cases) {
        EditorState s = MakeState(entries);
        s.Level.SelectedObject = 4;
        s.Popup = PopupState{{{"a", 9}, {"b", 6}, {"c", 2}}, 0, 0};
        EXPECT_TRUE(PopupChoice(s, c.line).Repaint);
        EXPECT_FALSE(s.Popup.Shown());
        EXPECT_EQ(s.Level.SelectedObject, 4);
        for (int i = 0; i < 12; ++i) EXPECT_EQ(s.Level.LevelObjects[i].X, c.order[i]) << i;
    }
    // Lines naming entries that are gone are ignored.
    EditorState s = MakeState(std::vector<LevelObject>(entries.begin(), entries.begin() + 5));
    s.Popup = PopupState{{{"a", 9}, {"b", 2}}, 0, 0};
    EXPECT_FALSE(PopupChoice(s, 1).Repaint);
}
