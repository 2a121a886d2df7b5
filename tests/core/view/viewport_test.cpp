// Viewport maths: item extents, tiles in view, font size, scroll clamps and the visible list.
#include "view/viewport.h"

#include <gtest/gtest.h>

#include "edit/editfixture.h"

using namespace tarnloft;

using editfix::Obj;

namespace {

TEST(ViewportTest, ExtremeExtentsNeitherWrapNorOverflow) {
    const TileBounds b = ItemBounds(Obj(1, 10, 255, -2, 32767));  // negative width: anchor on the right
    EXPECT_EQ(std::tuple(b.Left, b.Right, b.Top, b.Bottom), std::tuple(8, 10, 255, 33022));
    ViewState view;
    view.Zoom = 64, view.V.Value = 3;
    EXPECT_EQ(std::tuple(Py(view, b.Bottom), Px(view, -32768)), std::tuple((33022 - 3) * 64, -32768 * 64));
}

TEST(ViewportTest, VisibleTilesFontSizeAndScrollClamps) {
    const std::tuple<int, int, int, int, int, int> cases[] = {
        {16, 413, 488, 25, 30, 6}, {4, 1020, 3, 255, 0, 2}, {8, 7, 8, 0, 1, 2},     {12, 25, 36, 2, 3, 4},
        {24, 0, 0, 0, 0, 10},      {64, 63, 65, 0, 1, 30},  {0, 100, 100, 0, 0, -1}};
    for (auto [zoom, width, height, wide, high, points] : cases) {
        ViewState view;
        view.Zoom = zoom, view.SurfaceWidth = width, view.SurfaceHeight = height;
        EXPECT_EQ(std::tuple(VisibleTilesWide(view), VisibleTilesHigh(view)), std::tuple(wide, high)) << zoom;
        EXPECT_TRUE(points < 0 || SurfaceFontPointSize(zoom) == points) << zoom;
    }
    const std::tuple<int, int, int, int, bool> clamps[] = {{5, 231, 7, 7, true},     {5, 231, 5, 5, false},
                                                           {5, 231, -3, 0, true},    {5, 231, 400, 231, true},
                                                           {231, 98, 231, 98, true}, {0, -10, 4, 0, false}};
    for (auto [value, maximum, request, result, changed] : clamps) {
        ScrollBarState bar{value, maximum};
        EXPECT_EQ(SetScrollValue(bar, request), changed) << request;
        EXPECT_EQ(bar.Value, result) << request;
    }
}

TEST(ViewportTest, VisibleListUsesTheFourConditions) {
    LevelModel level;
    level.LevelObjects = {Obj(1, 10, 0, -2), Obj(1, 40, 40, 2, 2), Obj(1, 0, 0), Obj(1, 35, 29)};
    for (auto [hs, vs, visible] :  // 160 x 480 px at 16x: 10 whole columns, 30 rows
         {std::tuple{0, 0, std::vector<int>{0, 2}},
          {10, 0, {0}},
          {11, 0, {}},
          {25, 0, {3}},
          {30, 10, {1, 3}}}) {
        ViewState view;
        view.SurfaceWidth = 160, view.SurfaceHeight = 480, view.H.Value = hs, view.V.Value = vs;
        view.VisibleObjects = {99};
        RebuildVisibleList(view, level);
        EXPECT_EQ(view.VisibleObjects, visible) << hs << "," << vs;
    }
}

}  // namespace
