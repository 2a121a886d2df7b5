// Screen exits through the Editor: the mode, create / remove / clear, moving and stepping.
#include "edit/screenexits.h"

#include <gtest/gtest.h>

#include "fixtures.h"

using namespace fixture;

namespace {

const Catalogues defs = MakeDefs();

TEST(ScreenExits, ModeCreateRemoveAndClear) {
    // Two five-byte objects (10 bytes) and the exits (5 bytes each).
    Editor e =
        MakeEditor(defs, {Obj(Five, 1, 1), Obj(Five, 2, 2)}, {Exit(1, 1), Exit(2, 2)}, [](EditorState& s) {
            s.Level.SelectedScreenExit = 1;
            s.View.H = {256, 256}, s.View.V = {100, 256};
        });
    const LevelModel& level = e.Level();
    EXPECT_TRUE(e.ToggleScreenExitMode().ExitInfoChanged);
    EXPECT_TRUE(e.Tool().Mode == PointerMode::ExitEditing && e.State().ExitEditorEnabled());
    EXPECT_EQ(level.SelectedScreenExit, 0);
    e.Create(Five);  // in exit mode the object commands act on the exits
    EXPECT_EQ(level.ScreenExits, (std::vector<ScreenExit>{Exit(1, 1), Exit(2, 2), Exit(15, 6)}));
    EXPECT_EQ(std::tuple(level.SelectedScreenExit, level.ObjectBytesUsed), std::tuple(2, 10 + 15));
    e.ExitNext(), e.ExitPrevious(), e.ExitPrevious();  // back to exit 0
    e.Remove();
    EXPECT_EQ(level.ScreenExits, (std::vector<ScreenExit>{Exit(2, 2), Exit(15, 6)}));
    EXPECT_EQ(std::tuple(level.SelectedScreenExit, level.ObjectBytesUsed), std::tuple(0, 10 + 10));
    e.ExitNext(), e.Remove();  // the last exit: the one before it is selected
    EXPECT_EQ(level.SelectedScreenExit, 0);
    e.Clear();
    EXPECT_EQ(std::tuple(level.LastScreenExit(), level.SelectedScreenExit, level.LastObjectIndex()),
              std::tuple(-1, -1, 1));
    EXPECT_TRUE(e.State().InScreenExitMode() && !e.State().ExitEditorEnabled());
    for (const ChangeReport& again : {e.Remove(), e.Clear()}) {
        ASSERT_EQ(again.Messages.size(), 1u);
        EXPECT_EQ(again.Messages[0].Title + "|" + again.Messages[0].Text,
                  "Tarnloft|All screen exits deleted");
    }
    e.ToggleScreenExitMode();
    EXPECT_FALSE(e.Tool().Mode != PointerMode::Idle || e.State().InScreenExitMode());
}

TEST(ScreenExits, MoveAndStepStayInRange) {
    const auto R = ArrowDirection::Right, U = ArrowDirection::Up, L = ArrowDirection::Left,
               D = ArrowDirection::Down;
    struct Case {
        int column, row;
        ArrowDirection direction;
        int columnAfter, rowAfter;
    } const moves[] = {{5, 5, R, 6, 5},     {5, 5, U, 5, 4},    {5, 5, L, 4, 5}, {5, 5, D, 5, 6},
                       {15, 3, R, 15, 3},   {3, 0, U, 3, 0},    {0, 3, L, 0, 3}, {3, 15, D, 3, 15},
                       {14, 15, R, 14, 15}, {15, 14, D, 15, 14}};
    for (const Case& c : moves) {
        Editor e = MakeEditor(defs, {}, {Exit(c.column, c.row)});
        const bool moved = c.column != c.columnAfter || c.row != c.rowAfter;
        const ChangeReport out = e.MoveExit(c.direction);
        EXPECT_EQ(std::tuple(out.PictureChanged, out.LevelChanged), std::tuple(moved, moved));
        EXPECT_EQ(e.Level().ScreenExits[0], Exit(c.columnAfter, c.rowAfter));
    }
    const int expectH[] = {16, 32, 225}, expectV[] = {16, 32, 98};  // screen 15, 7 stops at the maxima
    for (auto [next, from, to] : {std::tuple{true, 0, 1}, {true, 2, 2}, {false, 2, 1}, {false, 0, 0}}) {
        Editor e = MakeEditor(defs, {}, {Exit(1, 1), Exit(2, 2), Exit(15, 7)},
                              [&](EditorState& s) { s.Level.SelectedScreenExit = from; });
        EXPECT_TRUE((next ? e.ExitNext() : e.ExitPrevious()).ExitInfoChanged);
        EXPECT_EQ(std::tuple(e.Level().SelectedScreenExit, e.View().H.Value, e.View().V.Value),
                  std::tuple(to, expectH[to], expectV[to]));
    }
}

}  // namespace
