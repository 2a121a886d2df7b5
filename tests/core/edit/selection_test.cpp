// Several items at once: Ctrl+click, the rubber band, group moves clamped
// as one, removal, duplicate and paste placement.
#include "edit/selection.h"

#include <tuple>

#include "fixtures.h"

using namespace fixture;

namespace {

const Catalogues defs = MakeDefs();
const PressKeys Ctrl{true, false}, Shift{false, true};

// At zoom 16: entry 0 covers pixels 32..64 x 32..64, entry 1 160..208 x
// 64..80, sprite 2 96..112 x 128..144, entry 3 320..336 x 320..336.
Editor ThreeAndOne() {
    return MakeEditor(
        defs, {Obj(Five, 2, 2, 2, 2), Obj(Five, 10, 4, 3, 1), Sprite(0x1A3, 6, 8), Obj(Five, 20, 20)});
}

void Band(Editor& e, double x1, double y1, double x2, double y2, PressKeys keys = {}) {
    e.PressHolding(MouseButton::Left, x1, y1, keys);
    e.Move(MouseButton::Left, x2, y2);
    e.Release();
}

std::tuple<int, std::vector<int>> Selected(const Editor& e) {
    return {e.Level().SelectedObject, e.Level().Selection};
}

std::vector<std::pair<int, int>> Places(const Editor& e) {
    std::vector<std::pair<int, int>> places;
    for (const LevelObject& entry : e.Level().LevelObjects) places.emplace_back(entry.X, entry.Y);
    return places;
}

}  // namespace

TEST(Selection, CtrlClickAddsAndTakesOutAndThePrimaryStaysAMember) {
    Editor e = ThreeAndOne();
    e.PressHolding(MouseButton::Left, 170, 70, Ctrl);
    EXPECT_EQ(Selected(e), std::tuple(1, std::vector<int>{0, 1}));
    e.PressHolding(MouseButton::Left, 170, 70, Ctrl);
    EXPECT_EQ(Selected(e), std::tuple(0, std::vector<int>{0}));
    e.PressHolding(MouseButton::Left, 40, 40, Ctrl);  // the last member stays
    EXPECT_EQ(Selected(e), std::tuple(0, std::vector<int>{0}));
    e.SelectAll();
    e.Press(MouseButton::Left, 170, 70);  // a plain click on a member keeps the group for a drag...
    EXPECT_EQ(e.Level().Selection.size(), 4u);
    e.Release();  // ... and without a move leaves that member alone
    EXPECT_EQ(Selected(e), std::tuple(1, std::vector<int>{1}));
    e.SelectAll();
    e.Press(MouseButton::Left, 330, 330);
    e.Release();
    e.ReduceSelection();
    EXPECT_EQ(Selected(e), std::tuple(3, std::vector<int>{3}));
}

TEST(Selection, TheRubberBandTakesWhatItEnclosesWhole) {
    struct Row {
        const char* name;
        double x1, y1, x2, y2;
        PressKeys keys;
        std::tuple<int, std::vector<int>> expected;
    };
    const Row rows[] = {
        {"exactly on the box's edges", 32, 32, 64, 64, {}, {0, {0}}},
        {"drawn backwards", 64, 64, 32, 32, {}, {0, {0}}},
        {"a pixel short on the right", 32, 32, 63, 64, {}, {0, {0}}},
        {"a pixel short at the top", 32, 33, 64, 64, {}, {0, {0}}},
        {"two objects and a sprite", 20, 20, 300, 200, {}, {0, {0, 1, 2}}},
        {"the primary outside: the last enclosed", 150, 60, 300, 200, {}, {1, {1}}},
        {"Shift keeps the set", 150, 60, 300, 200, Shift, {0, {0, 1}}},
        {"without movement: nothing", 400, 20, 400, 20, {}, {0, {0}}},
        {"enclosing nothing: nothing", 400, 20, 450, 60, {}, {0, {0}}},
    };
    for (const Row& row : rows) {
        Editor e = ThreeAndOne();
        Band(e, row.x1, row.y1, row.x2, row.y2, row.keys);
        EXPECT_EQ(Selected(e), row.expected) << row.name;
        EXPECT_FALSE(e.View().RubberBand) << row.name;
        EXPECT_FALSE(e.Level().LevelObjects.empty());
    }
}

TEST(Selection, AGroupDragMovesEveryMemberAndIsClampedAsOne) {
    struct Row {
        const char* name;
        double x, y;
        std::vector<std::pair<int, int>> expected;
    };
    const Row rows[] = {
        {"by three tiles", 88, 72, {{5, 4}, {13, 6}, {9, 10}, {20, 20}}},
        {"far left", -9000, 40, {{0, 2}, {8, 4}, {4, 8}, {20, 20}}},
        {"far up", 40, -9000, {{2, 0}, {10, 2}, {6, 6}, {20, 20}}},
        {"far right", 9000, 40, {{247, 2}, {255, 4}, {251, 8}, {20, 20}}},
        {"far down", 40, 9000, {{2, 121}, {10, 123}, {6, 127}, {20, 20}}},
    };
    for (const Row& row : rows) {
        Editor e = ThreeAndOne();
        Band(e, 20, 20, 300, 200);
        e.Press(MouseButton::Left, 40, 40);
        e.Move(MouseButton::Left, row.x, row.y);
        e.Release();
        EXPECT_EQ(Places(e), row.expected) << row.name;
        EXPECT_EQ(e.Level().Selection, (std::vector<int>{0, 1, 2})) << row.name;
    }
}

TEST(Selection, RemovingTheSetKeepsTheOrderOfTheRest) {
    Editor e = ThreeAndOne();
    e.PressHolding(MouseButton::Left, 100, 130, Ctrl);
    e.Remove();
    EXPECT_EQ(Places(e), (std::vector<std::pair<int, int>>{{10, 4}, {20, 20}}));
    EXPECT_EQ(Selected(e), std::tuple(0, std::vector<int>{0}));
    e.SelectAll();
    EXPECT_FALSE(e.Remove().Messages.empty());  // never every entry
    EXPECT_EQ(e.Level().LevelObjects.size(), 2u);
}

TEST(Selection, CopiesLandWithTheSetsTopLeftOnTheirTile) {
    Editor e = ThreeAndOne();
    e.PressHolding(MouseButton::Left, 100, 130, Ctrl);  // entries 0 and 2: top-left tile 2,2
    e.Press(MouseButton::Middle, 330, 170);             // tile 20,10
    EXPECT_EQ(Places(e).back(), std::pair(24, 16));
    EXPECT_EQ(Places(e)[4], std::pair(20, 10));
    EXPECT_EQ(Selected(e), std::tuple(5, std::vector<int>{4, 5}));

    const std::vector<LevelObject> items{Obj(Five, 0, 0), Sprite(0x1A3, 3, 2), Obj(Nibbles, 1, 0, 40, 3)};
    e.Paste(items, PointerPosition{170, 90});  // tile 10,5
    EXPECT_EQ(Places(e)[6], std::pair(10, 5));
    EXPECT_EQ(Places(e)[7], std::pair(13, 7));
    EXPECT_EQ(e.Level().LevelObjects[8].Width, 16);  // what a four-byte record can hold
    EXPECT_EQ(Selected(e), std::tuple(8, std::vector<int>{6, 7, 8}));

    e.ScrollTo(true, 225);
    e.Paste(items, std::nullopt);  // the view's top-left tile
    EXPECT_EQ(Places(e)[9], std::pair(225, 0));
    e.Paste(items, PointerPosition{490, 5});  // tile 255,0: clamped like a drag
    EXPECT_EQ(Places(e)[12], std::pair(252, 0));

    // Taller than the level: the top-left still lands on the pointer's tile, the rest is clamped.
    e.Paste({Obj(Five, 0, 0), Obj(Five, 1, 200)}, PointerPosition{170, 90});
    EXPECT_EQ(Places(e)[15], std::pair(235, 5));
    EXPECT_EQ(Places(e)[16], std::pair(236, 127));

    const size_t count = e.Level().LevelObjects.size();
    const ChangeReport refused = e.Paste({Obj(Five, 0, 0), Obj(Undefined, 1, 1)}, std::nullopt);
    ASSERT_EQ(refused.Messages.size(), 1u);
    EXPECT_NE(refused.Messages[0].Text.find("7B"), std::string::npos);
    EXPECT_EQ(e.Level().LevelObjects.size(), count);
}
