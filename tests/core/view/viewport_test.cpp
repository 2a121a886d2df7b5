// Viewport maths: item extents and the visible list.
#include "view/viewport.h"

#include <gtest/gtest.h>

#include "fixtures.h"

using namespace tarnloft;

using fixture::Obj;

namespace {

TEST(ViewportTest, ExtremeExtentsNeitherWrapNorOverflow) {
    const TileBounds b = ItemBounds(Obj(1, 10, 255, -2, 32767));  // negative width: anchor on the right
    EXPECT_EQ(std::tuple(b.Left, b.Right, b.Top, b.Bottom), std::tuple(8, 10, 255, 33022));
    ViewState view;
    view.Zoom = 64, view.V.Value = 3;
    EXPECT_EQ(std::tuple(Py(view, b.Bottom), Px(view, -32768)), std::tuple((33022 - 3) * 64, -32768 * 64));
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
