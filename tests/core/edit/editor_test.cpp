// The Editor itself: the Settle step after every operation, what the change
// report says changed, pointer feedback as data, and snapshot / restore.
#include "edit/editor.h"

#include <gtest/gtest.h>

#include "edit/editfixture.h"

using namespace editfix;

namespace {

const Catalogues defs = MakeDefs();

TEST(EditorSettle, CountersFollowTheMeasuringFunctions) {
    Editor e =
        MakeEditor(defs, {Obj(Five, 1, 1), Obj(Nibbles, 2, 2), Sprite(3, 4, 4)}, {Exit(1, 1)},
                   [](EditorState& s) { s.Level.ObjectBytesUsed = 999, s.Level.SpriteBytesUsed = 999; });
    EXPECT_EQ(std::tuple(e.Level().ObjectBytesUsed, e.Level().SpriteBytesUsed), std::tuple(5 + 4 + 5, 3));
}

TEST(EditorSettle, SelectionsStayInRange) {
    struct Row {
        const char* name;
        int entries, exits, selected, selectedExit, selectedAfter, selectedExitAfter;
    } const rows[] = {{"beyond the last entry", 3, 2, 7, 5, 2, 1},
                      {"below zero", 3, 2, -4, -3, 0, 0},
                      {"empty level", 0, 0, 3, 3, 0, -1}};
    for (const Row& r : rows) {
        Editor e = MakeEditor(defs, std::vector<LevelObject>(r.entries, Obj(Five, 1, 1)),
                              std::vector<ScreenExit>(r.exits, Exit(1, 1)), [&](EditorState& s) {
                                  s.Level.SelectedObject = r.selected,
                                  s.Level.SelectedScreenExit = r.selectedExit;
                              });
        EXPECT_EQ(std::tuple(e.Level().SelectedObject, e.Level().SelectedScreenExit),
                  std::tuple(r.selectedAfter, r.selectedExitAfter))
            << r.name;
    }
}

TEST(EditorSettle, VisibleListFollowsTheView) {
    Editor e = MakeEditor(defs, {Obj(Five, 1, 1), Obj(Five, 200, 1)}, {}, [](EditorState& s) {
        s.View.VisibleObjects = {0, 1, 5};
    });
    EXPECT_EQ(e.View().VisibleObjects, std::vector<int>{0});
    e.ScrollTo(true, 190);
    EXPECT_EQ(e.View().VisibleObjects, std::vector<int>{1});
}

TEST(EditorReport, APressThatOnlySelectsChangesNoLevelContent) {
    Editor e = MakeEditor(defs, {Obj(Five, 2, 3, 4, 1), Obj(Five, 10, 10, 2, 2)});
    const ChangeReport press = e.Press(MouseButton::Left, 170, 170);
    EXPECT_FALSE(press.LevelChanged);
    EXPECT_TRUE(press.SelectionChanged);
    EXPECT_EQ(e.Level().SelectedObject, 1);
    const ChangeReport drag = e.Move(MouseButton::Left, 202, 170);
    EXPECT_TRUE(drag.LevelChanged && !drag.SelectionChanged && drag.PictureChanged);
    EXPECT_FALSE(e.Release().LevelChanged);
}

TEST(EditorReport, HoverFeedbackIsData) {
    Editor e = MakeEditor(defs, {Obj(Five, 2, 3, 4, 1)});
    struct Row {
        const char* name;
        double x, y;
        PointerShape shape;
        ToolTipFeedback::Place place;
        const char* caption;
        const char* position;
    } const rows[] = {
        {"over the body", 40, 52, PointerShape::Move, ToolTipFeedback::Place::At, "5A - Ledge", "(2,3)"},
        {"on nothing", 300, 300, PointerShape::Arrow, ToolTipFeedback::Place::Hide, "", "(12,12)"},
        {"left of the level", -5, 10, PointerShape::Arrow, ToolTipFeedback::Place::Hide, "", "(FFFFFFFF,0)"}};
    for (const Row& r : rows) {
        const ChangeReport hover = e.Move(MouseButton::None, r.x, r.y);
        ASSERT_TRUE(hover.Pointer.Shape && hover.Pointer.ToolTip && hover.Pointer.MousePosition) << r.name;
        EXPECT_EQ(*hover.Pointer.Shape, r.shape) << r.name;
        EXPECT_EQ(hover.Pointer.ToolTip->Placement, r.place) << r.name;
        EXPECT_EQ(hover.Pointer.ToolTip->Caption.value_or("?").substr(0, std::string(r.caption).size()),
                  r.caption)
            << r.name;
        EXPECT_EQ(*hover.Pointer.MousePosition, r.position) << r.name;
        EXPECT_TRUE(hover.Pointer.Popup && !hover.Pointer.Popup->Shown) << r.name;
        EXPECT_FALSE(hover.LevelChanged || hover.SelectionChanged) << r.name;
    }
}

TEST(EditorSnapshot, RestorePutsBackTheLevelAndTheSelection) {
    Editor e = MakeEditor(defs, {Obj(Five, 1, 1), Obj(Five, 2, 2)}, {Exit(3, 3)});
    const EditorSnapshot before = e.Snapshot();
    e.Next();
    e.Create(Nibbles);
    e.Remove();
    e.Create(512 + 7);
    ASSERT_NE(e.Level().LevelObjects, before.Level.LevelObjects);
    const ChangeReport restored = e.Restore(before);
    EXPECT_TRUE(restored.LevelChanged && restored.SelectionChanged && restored.PictureChanged);
    EXPECT_EQ(e.Level().LevelObjects, before.Level.LevelObjects);
    EXPECT_EQ(e.Level().ScreenExits, before.Level.ScreenExits);
    EXPECT_EQ(std::tuple(e.Level().SelectedObject, e.Level().ObjectBytesUsed, e.Level().SpriteBytesUsed),
              std::tuple(0, 15, 0));
    EXPECT_FALSE(e.Restore(before).LevelChanged);
}

}  // namespace
