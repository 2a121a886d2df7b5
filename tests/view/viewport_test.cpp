#include "view/viewport.h"

#include <gtest/gtest.h>

namespace {

LevelObject Item(uint8_t x, uint8_t y, int16_t w, int16_t h) {
    LevelObject o;
    o.X = x;
    o.Y = y;
    o.Width = w;
    o.Height = h;
    return o;
}

TEST(ViewportTest, BoundsAndMappingOfExtremeExtents) {
    // Negative extents put the anchor on the right / bottom; nothing wraps
    // at 16 bits even for the largest extents the model can hold.
    const TileBounds b = ItemBounds(Item(10, 255, -2, 32767));
    EXPECT_EQ((std::vector<int>{b.Left, b.Right, b.Top, b.Bottom}), (std::vector<int>{8, 10, 255, 33022}));
    ViewState view;
    view.Zoom = 64;
    view.V.Value = 3;
    EXPECT_EQ(Py(view, b.Bottom), (33022 - 3) * 64);
    EXPECT_EQ(Px(view, -32768), -32768 * 64);
    EXPECT_DOUBLE_EQ(PyF(view, 3.5), 32);
}

TEST(ViewportTest, VisibleTilesAndFontSize) {
    struct Case {
        int zoom, width, height, wide, high, points;
    };
    const Case cases[] = {
        {16, 413, 488, 25, 30, 6}, {4, 1020, 3, 255, 0, 2}, {8, 7, 8, 0, 1, 2},     {12, 25, 36, 2, 3, 4},
        {24, 0, 0, 0, 0, 10},      {32, 64, 64, 2, 2, 14},  {64, 63, 65, 0, 1, 30},
    };
    for (const Case& c : cases) {
        ViewState view;
        view.Zoom = c.zoom;
        view.SurfaceWidth = c.width;
        view.SurfaceHeight = c.height;
        EXPECT_EQ(VisibleTilesWide(view), c.wide) << c.zoom << " " << c.width;
        EXPECT_EQ(VisibleTilesHigh(view), c.high) << c.zoom << " " << c.height;
        EXPECT_EQ(SurfaceFontPointSize(c.zoom), c.points) << c.zoom;
    }
    ViewState broken;
    broken.Zoom = 0;
    broken.SurfaceWidth = 100;
    EXPECT_EQ(VisibleTilesWide(broken), 0);
}

TEST(ViewportTest, SetScrollValueClamps) {
    struct Case {
        int value, maximum, request, result;
        bool changed;
    };
    const Case cases[] = {
        {5, 231, 7, 7, true},     {5, 231, 5, 5, false},    {5, 231, -3, 0, true},
        {5, 231, 400, 231, true}, {231, 98, 231, 98, true}, {0, -10, 4, 0, false},
    };
    for (const Case& c : cases) {
        ScrollBarState bar;
        bar.Value = c.value;
        bar.Maximum = c.maximum;
        EXPECT_EQ(SetScrollValue(bar, c.request), c.changed) << c.request;
        EXPECT_EQ(bar.Value, c.result) << c.request;
    }
}

TEST(ViewportTest, VisibleListUsesTheFourConditions) {
    LevelModel level;
    level.LevelObjects = {
        Item(10, 0, -2, 1),                    // columns 8..10
        Item(40, 40, 2, 2),                    // far right and down
        Item(0, 0, 1, 1), Item(35, 29, 1, 1),  // starts one column past the last whole one
    };
    struct Case {
        int hs, vs;
        std::vector<int> visible;
    };
    // 160 x 480 px at 16x: 10 whole columns, 30 rows.
    const Case cases[] = {
        {0, 0, {0, 2}}, {10, 0, {0}},  // right edge of item 0 lies on the left border
        {11, 0, {}},    {25, 0, {3}}, {30, 10, {1, 3}}, {41, 40, {1}},
    };
    for (const Case& c : cases) {
        ViewState view;
        view.SurfaceWidth = 160;
        view.SurfaceHeight = 480;
        view.H.Value = c.hs;
        view.V.Value = c.vs;
        view.VisibleObjects = {99};
        RebuildVisibleList(view, level);
        EXPECT_EQ(view.VisibleObjects, c.visible) << c.hs << "," << c.vs;
        EXPECT_EQ(view.LastVisibleObject(), static_cast<int>(c.visible.size()) - 1);
    }
}

}  // namespace
