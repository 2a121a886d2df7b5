// Mouse editing through the Editor: drags, duplicates, pointer shapes and tool tips.
#include "edit/mouse.h"

#include <gtest/gtest.h>

#include "fixtures.h"

using namespace fixture;

namespace {

const Catalogues defs = MakeDefs();

TEST(Mouse, ClampDraggedExtentKeepsStorableExtents) {
    const LevelObject five = Obj(Five, 10, 10, 3, 3), nibbles = Obj(Nibbles, 10, 10, 3, 3),
                      wide = Obj(Wide, 10, 10, 3, 2);
    const auto H = Axis::Horizontal, V = Axis::Vertical;
    struct Case {
        LevelObject entry;
        Axis axis;
        int dragged, stored;
    } const cases[] = {
        {five, V, 0, 1},    {five, V, -1, -2},          {five, V, -128, -127},          {five, H, 5000, 128},
        {nibbles, H, 0, 1}, {nibbles, V, -5, 1},        {nibbles, H, 17, 16},           {wide, H, -200, -129},
        {wide, V, 9, 2},    {Sprite(3, 1, 1), H, 9, 1}, {Obj(Undefined, 1, 1), V, 9, 1}};
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
                       {nib, 223, 40, 900, 40, Obj(Nibbles, 10, 2, 16, 2)},
                       {Obj(Five, 10, 2, 4, 5), 170, 111, 170, 33, Obj(Five, 10, 2, 4, 1)},
                       {Obj(Five, 10, 20, 4, 5), 170, 399, 170, -5000, Obj(Five, 10, 20, 4, -127)},
                       {box, 223, 63, 287, 127, Obj(Five, 10, 2, 7, 5)},
                       {box, 180.5, 40, 195.5, 40, box},  // grabbed 20.5 px right of the anchor: offset 20
                       {box, 180.5, 40, 196.5, 40, Obj(Five, 11, 2, 4, 2)},
                       {box, 180, 40, 9000, -900, Obj(Five, 255, 0, 4, 2)}};
    for (const Case& c : cases) {
        Editor e = MakeEditor(defs, {c.entry});
        e.Press(MouseButton::Left, c.pressX, c.pressY);
        EXPECT_TRUE(e.Move(MouseButton::Left, c.moveX, c.moveY).PictureChanged);
        e.Release();
        e.Move(MouseButton::Left, c.pressX, c.pressY);  // no drag after release
        EXPECT_EQ(e.Level().LevelObjects[0], c.expected) << c.moveX << "," << c.moveY;
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
        // The second entry (5A) takes 5 bytes of the object stream before the copy.
        Editor e = MakeEditor(defs, {c.source, Obj(Five, 50, 50)}, {}, [&](EditorState& s) {
            s.View.H = s.View.V = {c.scroll, 256};
        });
        const LevelModel& level = e.Level();
        const int64_t objectBefore = level.ObjectBytesUsed, spriteBefore = level.SpriteBytesUsed;
        EXPECT_TRUE(e.Press(MouseButton::Middle, 100, 40).LevelChanged);
        LevelObject expected = c.source;
        expected.X = uint8_t(c.x), expected.Y = uint8_t(c.y);
        EXPECT_EQ(level.LevelObjects.back(), expected);
        EXPECT_EQ(std::tuple(level.ObjectBytesUsed - objectBefore, level.SpriteBytesUsed - spriteBefore,
                             level.SelectedObject),
                  std::tuple(c.objectBytes, c.spriteBytes, 0));
    }
    Editor empty = MakeEditor(defs);
    EXPECT_FALSE(empty.Press(MouseButton::Middle, 100, 40).LevelChanged);
    EXPECT_EQ(empty.Level().LastObjectIndex(), -1);
}

// A four-tall object at (10,2) whose width handle runs down x 223, a short
// one at (13,1) whose height handle crosses it at y 47, and one at (15,0)
// under the marker (x 256..287, y 0..7) of the exit on screen (1,0).
Editor ShapeEditor(const std::function<void(EditorState&)>& setup = {}) {
    return MakeEditor(defs, {Obj(Five, 10, 2, 4, 4), Obj(Five, 13, 1, 3, 2), Obj(Five, 15, 0, 2, 1)},
                      {ScreenExit{1, 0, 0x0B, 0, 0, 0}}, setup);
}

// The pointer shape (which wins where several apply) and the hover label,
// which follows the pointer or stays at the bottom left.
TEST(Mouse, PointerShapesAndTheHoverLabel) {
    using Place = ToolTipFeedback::Place;
    const auto Arrow = PointerShape::Arrow, Move = PointerShape::Move, WE = PointerShape::SizeWE,
               NWSE = PointerShape::SizeNWSE;
    const struct {
        const char* Name;
        bool Stationary;
        double X, Y;
        PointerShape Shape;
        Place Placement;
        int Left, Top;
        const char* Caption;
    } cases[] = {
        {"nothing", false, 100, 300, Arrow, Place::Hide, 0, 0, ""},
        {"body", false, 170.5, 70, Move, Place::At, 186, 38, "5A - Ledge"},
        {"width handle", false, 223, 70, WE, Place::At, 239, 38, "5A - Ledge"},
        {"height handle", false, 170, 95, PointerShape::SizeNS, Place::At, 186, 63, "5A - Ledge"},
        {"own corner", false, 223, 95, NWSE, Place::At, 239, 63, "5A - Ledge"},
        {"width of one, height of another", false, 223, 47, NWSE, Place::At, 239, 15, "5A - Ledge"},
        {"exit marker over a body", false, 260, 3, PointerShape::Cross, Place::At, 276, -29,
         "Screen exit to B, Entrance type: 0, Entrance at (0,0)"},
        {"width handle inside the exit marker", false, 271, 3, WE, Place::At, 287, -29,
         "Screen exit to B, Entrance type: 0, Entrance at (0,0)"},
        {"stationary, over a body", true, 170, 70, Move, Place::At, 0, 480 - 16, "5A - Ledge"},
        {"stationary, over nothing", true, 100, 300, Arrow, Place::At, 0, 480 - 16, ""},
    };
    for (const auto& c : cases) {
        Editor e = ShapeEditor([&](EditorState& s) { s.View.Toggles.Stationary = c.Stationary; });
        const ChangeReport hover = e.Move(MouseButton::None, c.X, c.Y);
        ASSERT_TRUE(hover.Pointer.Shape && hover.Pointer.ToolTip) << c.Name;
        const ToolTipFeedback& tip = *hover.Pointer.ToolTip;
        EXPECT_EQ(std::tuple(*hover.Pointer.Shape, tip.Placement, tip.Caption.value_or("?")),
                  std::tuple(c.Shape, c.Placement, std::string(c.Caption)))
            << c.Name;
        if (c.Placement == Place::At) {
            EXPECT_EQ(std::tuple(tip.Left, tip.Top), std::tuple(c.Left, c.Top)) << c.Name;
        }
    }
}

TEST(Mouse, PopupChoiceBringsTheItemToTheFront) {
    std::vector<LevelObject> entries;
    for (int i = 0; i < 12; ++i) entries.push_back(Obj(Five, i, 0));
    auto withPopup = [](std::vector<PopupLine> lines) {
        return [lines](EditorState& s) {
            s.Level.SelectedObject = 4;
            s.Tool.PopupOpen = true;
            s.Tool.PopupLines = lines;
        };
    };
    const std::vector<int> orders[] = {
        {0, 1, 3, 4, 5, 6, 7, 8, 9, 2, 10, 11},  // former indices after the move
        {0, 1, 2, 3, 4, 5, 7, 8, 9, 6, 10, 11},
        {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}};
    for (int line = 0; line < 3; ++line) {
        Editor e = MakeEditor(defs, entries, {}, withPopup({{"a", 9}, {"b", 6}, {"c", 2}}));
        const ChangeReport report = e.ChoosePopupLine(2 - line);
        EXPECT_TRUE(report.PictureChanged && report.Pointer.Popup && !report.Pointer.Popup->Shown &&
                    !e.Tool().PopupOpen);
        EXPECT_EQ(e.Level().SelectedObject, 4);
        std::vector<int> order;
        for (const LevelObject& o : e.Level().LevelObjects) order.push_back(o.X);
        EXPECT_EQ(order, orders[line]);
    }
    Editor e = MakeEditor(defs, entries, {}, withPopup({{"a", 12}, {"b", 2}}));
    EXPECT_FALSE(e.ChoosePopupLine(0).PictureChanged);  // a line naming an entry that is gone is ignored
}

TEST(Mouse, CornerDragAcrossTwoEntriesResizesTheHeightHandleEntry) {
    Editor e = ShapeEditor();
    e.Press(MouseButton::Left, 223, 47);
    EXPECT_EQ(std::tuple(e.Tool().Mode, e.Level().SelectedObject), std::tuple(PointerMode::ResizingBoth, 1));
    e.Move(MouseButton::Left, 287, 79);
    e.Release();
    EXPECT_EQ(std::tuple(e.Level().LevelObjects[0], e.Level().LevelObjects[1], e.Tool().Mode),
              std::tuple(Obj(Five, 10, 2, 4, 4), Obj(Five, 13, 1, 4, 3), PointerMode::Idle));
}

TEST(Mouse, ScreenExitModeIgnoresTheMiddleButtonAndSurvivesARightClick) {
    Editor e = ShapeEditor();
    e.Press(MouseButton::Left, 260, 3);
    e.Release();
    ASSERT_EQ(e.Tool().Mode, PointerMode::ExitEditing);
    const std::vector<LevelObject> entries = e.Level().LevelObjects;
    for (MouseButton button : {MouseButton::Middle, MouseButton::Right}) {
        e.Press(button, 170, 70);
        e.Release();
        EXPECT_EQ(e.Level().LevelObjects, entries);
        EXPECT_EQ(e.Tool().Mode, PointerMode::ExitEditing);
    }
}

}  // namespace
