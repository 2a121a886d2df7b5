#include "edit/mouse.h"

#include <gtest/gtest.h>

#include "edit/editfixture.h"
#include "edit/hittest.h"

using namespace tarnloft;

using namespace editfix;

namespace {

const Catalogues defs = MakeDefs();

TEST(HitTest, HandleZonesOverlapAndHiddenItems) {
    const LevelObject box = Obj(Five, 10, 2, 4, 2), back = Obj(Five, 20, 2, -3, 2);  // 160..224, 272..320
    struct Case {
        LevelObject entry;
        double x, y;
        int body, width, height;  // 0 = found, -1 = not
    } const cases[] = {{box, 219.5, 40, 0, 0, -1},
                       {box, 219, 40, 0, -1, -1},
                       {box, 229, 40, -1, -1, -1},
                       {box, 224, 40, -1, 0, -1},
                       {box, 222, 64, -1, 0, 0},
                       {back, 268, 40, -1, 0, -1},
                       {Sprite(0x1A3, 5, 5), 95, 95, 0, -1, -1},
                       {Obj(Wide, 5, 5, 2, 2), 112, 111, -1, 0, -1},
                       {Obj(Tall, 5, 5, 2, 2), 111, 112, -1, -1, 0},
                       {Obj(Undefined, 5, 5, 2, 2), 112, 100, -1, 0, -1},  // drawn with handles
                       {Special(0x2F, 5, 5, 2, 2), 112, 100, -1, -1, -1}};
    for (const Case& c : cases) {
        const EditorState s = MakeState({c.entry});
        EXPECT_EQ(std::tuple(FindObjectAt(s, defs, c.x, c.y), FindWidthHandleAt(s, defs, c.x, c.y),
                             FindHeightHandleAt(s, defs, c.x, c.y)),
                  std::tuple(c.body, c.width, c.height))
            << int(c.entry.Number) << " at " << c.x << "," << c.y;
    }
    std::vector<LevelObject> entries(8, Sprite(1, 200, 100));  // topmost body, lowest index for handles
    entries[3] = Obj(Five, 2, 4, 6, 2), entries[7] = Obj(Five, 4, 4, 4, 2);
    EditorState s = MakeState(entries);
    EXPECT_EQ(std::tuple(FindObjectAt(s, defs, 100, 70), FindWidthHandleAt(s, defs, 126, 70),
                         FindHeightHandleAt(s, defs, 100, 94)),
              std::tuple(7, 3, 3));
    s = MakeState({Obj(Hidden, 2, 2, 4, 4)});
    s.View.Toggles.CrossSection = true;
    FillObjectPopup(s, defs, 40, 40);
    EXPECT_FALSE(FindObjectAt(s, defs, 40, 40) != -1 || FindWidthHandleAt(s, defs, 96, 40) != -1 ||
                 s.Popup.Shown());
}

TEST(HitTest, ScreenExitMarkerAndPopupLines) {
    const std::tuple<int, double, double, bool> cases[] = {
        {16, 512.0, 256.0, true},  {16, 543.9, 263.9, true}, {16, 544.0, 256.0, false},
        {16, 512.0, 264.0, false}, {4, 135.9, 65.9, true},   {4, 136.0, 64.0, false}};
    for (auto [zoom, x, y, hit] : cases) {
        EditorState s = MakeState({}, {Exit(9, 9), Exit(2, 1)});
        s.View.Zoom = zoom;
        EXPECT_EQ(FindScreenExitAt(s, x, y), hit ? 1 : -1) << zoom << ": " << x << "," << y;
    }
    EditorState s =
        MakeState({Obj(Five, 0, 0, 4, 4), Sprite(0x1A3, 1, 1), Obj(Five, 9, 9), Special(0x2F, 0, 0, 3, 3)});
    FillObjectPopup(s, defs, 20.5, 30);
    ASSERT_EQ(s.Popup.Lines.size(), 3u);
    EXPECT_EQ(s.Popup.Lines[0].Index, 3);
    EXPECT_EQ(s.Popup.Lines[0].Text + "|" + s.Popup.Lines[1].Text + "|" + s.Popup.Lines[2].Text,
              "X2F - Key|S1A3 - Bat|5A - Ledge");
    EXPECT_EQ(std::tuple(s.Popup.Left, s.Popup.Top), std::tuple(4, 14));
}

TEST(Mouse, ClampDraggedExtentKeepsStorableExtents) {
    const LevelObject five = Obj(Five, 10, 10, 3, 3), nibbles = Obj(Nibbles, 10, 10, 3, 3);
    const LevelObject wide = Obj(Wide, 10, 10, 3, 2), tall = Obj(Tall, 10, 10, 2, 3);
    const auto H = Axis::Horizontal, V = Axis::Vertical;
    struct Case {
        LevelObject entry;
        Axis axis;
        int dragged, stored;
    } const cases[] = {{five, V, 0, 1},      {five, V, -1, -2},          {five, V, -128, -127},
                       {five, H, 5000, 128}, {nibbles, H, 0, 1},         {nibbles, V, -5, 1},
                       {nibbles, H, 17, 16}, {wide, H, -200, -129},      {wide, V, 9, 2},
                       {tall, V, -1, -2},    {Sprite(3, 1, 1), H, 9, 1}, {Obj(Undefined, 1, 1), V, 9, 1}};
    for (const Case& c : cases)
        EXPECT_EQ(ClampDraggedExtent(defs, c.entry, c.dragged, c.axis), c.stored)
            << int(c.entry.Number) << (c.axis == H ? " H " : " V ") << c.dragged;
}

TEST(Mouse, DragsResizeAndMoveWithinLimits) {
    const LevelObject box = Obj(Five, 10, 2, 4, 2), nib = Obj(Nibbles, 10, 2, 4, 2);  // handles at 224, 64
    struct Case {
        LevelObject entry;
        double pressX, pressY, moveX, moveY;
        LevelObject expected;
    } const cases[] = {{box, 223, 40, 257, 40, Obj(Five, 10, 2, 6, 2)},
                       {nib, 223, 40, 150, 40, Obj(Nibbles, 10, 2, 1, 2)},
                       {nib, 223, 40, 900, 40, Obj(Nibbles, 10, 2, 16, 2)},
                       {Obj(Five, 10, 2, 4, 5), 170, 111, 170, 33, Obj(Five, 10, 2, 4, 1)},
                       {Obj(Five, 10, 20, 4, 5), 170, 399, 170, -5000, Obj(Five, 10, 20, 4, -127)},
                       {box, 223, 63, 287, 127, Obj(Five, 10, 2, 7, 5)},
                       {box, 180.5, 40, 195.5, 40, box},  // grabbed 20.5 px right of the anchor: offset 20
                       {box, 180.5, 40, 196.5, 40, Obj(Five, 11, 2, 4, 2)},
                       {box, 180, 40, 9000, -900, Obj(Five, 255, 0, 4, 2)}};
    for (const Case& c : cases) {
        EditorState s = MakeState({c.entry});
        MousePress(s, defs, MouseButton::Left, c.pressX, c.pressY);
        EXPECT_TRUE(MouseMove(s, defs, MouseButton::Left, c.moveX, c.moveY).Repaint);
        MouseRelease(s);
        MouseMove(s, defs, MouseButton::Left, c.pressX, c.pressY);  // no drag after release
        EXPECT_EQ(s.Level.LevelObjects[0], c.expected) << c.moveX << "," << c.moveY;
    }
}

TEST(Mouse, MiddleButtonDuplicatesTheSelectedEntry) {
    struct Case {
        LevelObject source;
        int scroll, objectBytes, spriteBytes, x, y;
    } const cases[] = {{Sprite(0x1A3, 1, 1), 0, 0, 3, 6, 2},    {Special(0x2F, 1, 1, 2, 2), 0, 4, 0, 6, 2},
                       {Obj(Five, 1, 1, 3, -2), 0, 5, 0, 6, 2}, {Obj(Undefined, 1, 1), 0, 0, 0, 6, 2},
                       {Obj(Five, 1, 1), 256, 5, 0, 255, 255},  {Sprite(4, 1, 1), 256, 0, 3, 255, 127}};
    for (const Case& c : cases) {
        EditorState s = MakeState({c.source, Obj(Five, 50, 50)});
        s.View.H = s.View.V = {c.scroll, 256};
        MousePress(s, defs, MouseButton::Middle, 100, 40);
        LevelObject expected = c.source;
        expected.X = uint8_t(c.x), expected.Y = uint8_t(c.y);
        EXPECT_EQ(s.Level.LevelObjects.back(), expected);
        EXPECT_EQ(std::tuple(s.Level.ObjectBytesUsed, s.Level.SpriteBytesUsed, s.Level.SelectedObject),
                  std::tuple(c.objectBytes, c.spriteBytes, 0));
    }
    EditorState empty = MakeState();
    MousePress(empty, defs, MouseButton::Middle, 100, 40);
    EXPECT_EQ(empty.Level.LastObjectIndex(), -1);
}

TEST(Mouse, ExitMarkerWinsOverTheObjectsUnderIt) {
    EditorState s = MakeState({Sprite(0x1A3, 16, 0)}, {ScreenExit{1, 0, 0x0B, 0x40, 0x1F, 3}});
    MouseMove(s, defs, MouseButton::None, 260, 3);
    EXPECT_EQ(s.ToolTip.Caption, "Screen exit to B, Entrance type: 3, Entrance at (40,1F)");
    EXPECT_TRUE(MousePress(s, defs, MouseButton::Left, 260, 3).Repaint);
    EXPECT_EQ(std::tuple(s.Mode, s.Level.SelectedScreenExit, s.ScreenExitFrameShown),
              std::tuple(PointerMode::SCR, 0, true));
    MouseRelease(s);
    EXPECT_EQ(s.Mode, PointerMode::SCX);
}

TEST(Mouse, PopupChoiceBringsTheItemToTheFront) {
    EditorState s;
    std::vector<LevelObject> entries;
    for (int i = 0; i < 12; ++i) entries.push_back(Obj(Five, i, 0));
    const std::vector<int> orders[] = {
        {0, 1, 3, 4, 5, 6, 7, 8, 9, 2, 10, 11},  // former indices after the move
        {0, 1, 2, 3, 4, 5, 7, 8, 9, 6, 10, 11},
        {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}};
    for (int line = 0; line < 3; ++line) {
        s = MakeState(entries);
        s.Level.SelectedObject = 4;
        s.Popup = PopupState{{{"a", 9}, {"b", 6}, {"c", 2}}, 0, 0};
        EXPECT_TRUE(PopupChoice(s, 2 - line).Repaint && !s.Popup.Shown());
        EXPECT_EQ(s.Level.SelectedObject, 4);
        std::vector<int> order;
        for (const LevelObject& o : s.Level.LevelObjects) order.push_back(o.X);
        EXPECT_EQ(order, orders[line]);
    }
    s.Popup = PopupState{{{"a", 12}, {"b", 2}}, 0, 0};
    EXPECT_FALSE(PopupChoice(s, 0).Repaint);  // a line naming an entry that is gone is ignored
}

}  // namespace
