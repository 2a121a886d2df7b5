// The mouse wheel: notches from whole and fractional turns, and a zoom that
// keeps the tile under the pointer.
#include "edit/wheel.h"

#include <gtest/gtest.h>

#include "fixtures.h"

using namespace fixture;

namespace {

const Catalogues defs = MakeDefs();

TEST(Wheel, TurnsBecomeWholeNotches) {
    struct Row {
        const char* name;
        std::vector<WheelTurn> turns;
        int columns, rows, zoomSteps;  // summed over the turns
    } const rows[] = {
        {"one notch away scrolls up", {{0, 120}}, 0, -1, 0},
        {"one notch towards the user scrolls down", {{0, -120}}, 0, 1, 0},
        {"three notches at once", {{0, -360}}, 0, 3, 0},
        {"shift turns the wheel sideways", {{0, 120, true}}, -1, 0, 0},
        {"a horizontal wheel", {{-240, 0}}, 2, 0, 0},
        {"control zooms", {{0, 240, false, true}}, 0, 0, 2},
        {"fractions add up", {{0, -40}, {0, -40}, {0, -40}, {0, -40}}, 0, 1, 0},
        {"fractions below a notch do nothing", {{0, 50}, {0, 50}}, 0, 0, 0},
        {"turning back drops the collected fraction", {{0, -100}, {0, 60}, {0, -100}}, 0, 0, 0},
        {"zoom fractions are kept apart from scrolling",
         {{0, 60, false, true}, {0, 60}, {0, 60, false, true}},
         0,
         0,
         1},
    };
    for (const Row& row : rows) {
        WheelAccumulator wheel;
        WheelAction sum;
        for (const WheelTurn& turn : row.turns) {
            const WheelAction a = wheel.Take(turn);
            sum.Columns += a.Columns, sum.Rows += a.Rows, sum.ZoomSteps += a.ZoomSteps;
        }
        EXPECT_EQ(std::tuple(sum.Columns, sum.Rows, sum.ZoomSteps),
                  std::tuple(row.columns, row.rows, row.zoomSteps))
            << row.name;
    }
}

// The design window: a surface of 413 x 488 pixels.
LayoutInput Window() { return LayoutInput{845, 504}; }

TEST(Wheel, ZoomKeepsTheTileUnderThePointer) {
    struct Row {
        const char* name;
        int fromZoom, toZoom, scrollX, scrollY;
        double x, y;
        int expectedX, expectedY;  // scroll positions afterwards
        bool kept;                 // the tile under the pointer stays there
    } const rows[] = {
        {"in", 16, 24, 40, 20, 200.0, 100.0, 44, 22, true},
        {"out", 16, 12, 40, 20, 200.0, 100.0, 36, 18, true},
        {"out, held at the left and top", 16, 4, 10, 5, 300.0, 300.0, 0, 0, false},
        {"out, held at the scroll maxima", 16, 8, 220, 95, 8.0, 8.0, 205, 67, false},
    };
    for (const Row& row : rows) {
        Editor e = MakeEditor(defs, {}, {}, [&](EditorState& s) { s.View.Zoom = row.fromZoom; });
        e.Layout(Window());
        e.ScrollTo(true, row.scrollX);
        e.ScrollTo(false, row.scrollY);
        const TilePoint under = PointerTile(e.View(), row.x, row.y);
        const ChangeReport report = e.WheelZoom(row.toZoom, row.x, row.y, Window());
        EXPECT_EQ(e.View().Zoom, row.toZoom) << row.name;
        EXPECT_EQ(std::tuple(e.View().H.Value, e.View().V.Value), std::tuple(row.expectedX, row.expectedY))
            << row.name;
        const TilePoint now = PointerTile(e.View(), row.x, row.y);
        if (row.kept) {
            EXPECT_EQ(std::tuple(now.X, now.Y), std::tuple(under.X, under.Y)) << row.name;
        }
        EXPECT_TRUE(report.PictureChanged && report.ScrollChanged) << row.name;
    }
}

}  // namespace
