#include "view/layout.h"

#include <gtest/gtest.h>

#include "view/viewport.h"

namespace {

LayoutRect At(const LayoutResult& r, const char* name) {
    const std::optional<LayoutRect> rect = r.Find(name);
    EXPECT_TRUE(rect.has_value()) << name;
    return rect.value_or(LayoutRect{});
}

LayoutResult Lay(ViewState& view, int width, int height) {
    LevelModel level;
    return LayoutPass(LayoutInput{width, height}, view, level);
}

TEST(LayoutTest, DesignSizeWithTheCatalogueList) {
    ViewState view;
    const LayoutResult r = Lay(view, LayoutDesign::ClientWidth, LayoutDesign::ClientHeight);
    EXPECT_FALSE(r.Skipped || r.ResizeWidth || r.ResizeHeight);
    EXPECT_TRUE(r.LeftColumnShown);
    struct Expected {
        const char* name;
        LayoutRect rect;
    };
    const Expected expected[] = {
        {"lstObjects", {8, 81, 193, 359}},     {"fraSubPanel", {8, 448, 177, 48}},
        {"Level", {208, 0, 413, 488}},         {"hscLevelPos", {208, 488, 413, 16}},
        {"vscLevelPos", {621, 0, 16, 488}},    {"fraObjectInfo", {645, 8, 192, 153}},
        {"fraLevelInfo", {645, 168, 192, 89}}, {"fraScreenExits", {645, 8, 193, 409}},
        {"fraListOptions", {8, 8, 193, 65}},
    };
    for (const Expected& e : expected) EXPECT_EQ(At(r, e.name), e.rect) << e.name;
    EXPECT_EQ(view.SurfaceWidth, 413);
    EXPECT_EQ(view.SurfaceHeight, 488);
    EXPECT_EQ(view.H.Maximum, 231);
    EXPECT_EQ(view.V.Maximum, 98);
    EXPECT_TRUE(view.H.Enabled && view.V.Enabled);
}

TEST(LayoutTest, SeparateListRemovesTheLeftColumn) {
    ViewState view;
    view.Toggles.SeparateObjects = true;
    const LayoutResult r = Lay(view, 845, 504);
    EXPECT_FALSE(r.LeftColumnShown);
    EXPECT_EQ(At(r, "Level"), (LayoutRect{16, 0, 605, 488}));
    EXPECT_EQ(MinimumClientWidth(view), 480);
    view.Toggles.SeparateObjects = false;
    EXPECT_EQ(MinimumClientWidth(view), 672);
}

TEST(LayoutTest, MinimumSizeIsEnforced) {
    struct Case {
        bool separate;
        int width, height;
        bool resizeW, resizeH;
        int levelWidth, levelHeight;
    };
    const Case cases[] = {
        {false, 671, 504, true, false, 240, 488}, {false, 672, 272, false, false, 240, 256},
        {false, 845, 271, false, true, 413, 272}, {true, 479, 1, true, true, 240, 272},
        {true, 480, 272, false, false, 240, 256},
    };
    for (const Case& c : cases) {
        ViewState view;
        view.Toggles.SeparateObjects = c.separate;
        const LayoutResult r = Lay(view, c.width, c.height);
        EXPECT_EQ(r.ResizeWidth, c.resizeW) << c.width;
        EXPECT_EQ(r.ResizeHeight, c.resizeH) << c.height;
        EXPECT_EQ(r.NewWidth, c.resizeW ? MinimumClientWidth(view) : 0);
        EXPECT_EQ(r.NewHeight, c.resizeH ? 288 : 0);
        const LayoutRect level = At(r, "Level");
        EXPECT_EQ(level.Width, c.levelWidth);
        EXPECT_EQ(level.Height, c.levelHeight);
        for (const PlacedControl& control : r.Controls) {
            EXPECT_GE(control.Geometry.Width, 0) << control.Name;
            EXPECT_GE(control.Geometry.Height, 0) << control.Name;
        }
    }
}

TEST(LayoutTest, MinimisedWindowIsLeftAlone) {
    ViewState view;
    view.SurfaceWidth = 413;
    view.H.Maximum = 231;
    view.H.Value = 200;
    const LayoutResult r = Lay(view, 0, 0);
    EXPECT_TRUE(r.Skipped);
    EXPECT_TRUE(r.Controls.empty());
    EXPECT_EQ(view.SurfaceWidth, 413);
    EXPECT_EQ(view.H.Value, 200);
}

TEST(LayoutTest, ScrollBarsDisableWhenTheLevelFits) {
    struct Case {
        int levelWidth;  // surface width in pixels at 4x
        int maximum;
        bool enabled;
    };
    for (const Case& c : {Case{1024, 0, false}, Case{1020, 1, true}, Case{1400, -94, false}}) {
        ViewState view;
        view.Zoom = 4;
        view.Toggles.SeparateObjects = true;
        view.H.Value = 50;
        const LayoutResult r = Lay(view, c.levelWidth + 240, 504);
        EXPECT_EQ(view.H.Maximum, c.maximum);
        EXPECT_EQ(view.H.Enabled, c.enabled);
        EXPECT_EQ(view.H.Value, std::max(0, c.maximum));
        EXPECT_TRUE(r.ScrollChanged);
    }
}

TEST(LayoutTest, ZoomKeepsThePositionUnlessTheMaximumForcesIt) {
    ViewState view;
    Lay(view, 845, 504);
    view.H.Value = 100;
    view.V.Value = 90;

    EXPECT_EQ(ZoomTo(view, 8), 2);
    LayoutResult r = Lay(view, 845, 504);
    EXPECT_EQ(view.H.Maximum, 256 - 51);
    EXPECT_EQ(view.V.Maximum, 128 - 61);
    EXPECT_EQ(view.H.Value, 100);
    EXPECT_EQ(view.V.Value, 67);
    EXPECT_TRUE(r.ScrollChanged);

    EXPECT_EQ(ZoomTo(view, 64), 30);
    EXPECT_EQ(view.Zoom, 64);
    // A factor that is not on the menu leaves the zoom alone.
    EXPECT_EQ(ZoomTo(view, 0), 30);
    EXPECT_EQ(ZoomTo(view, 5), 30);
    EXPECT_EQ(view.Zoom, 64);
}

TEST(LayoutTest, AreaOutsideTheLevel) {
    ViewState view;
    view.Zoom = 4;
    view.Toggles.SeparateObjects = true;
    Lay(view, 1300, 504);  // whole width fits: horizontal bar disabled
    ASSERT_FALSE(view.H.Enabled);

    ToggleOutOfBounds(view);
    Lay(view, 1300, 504);
    EXPECT_TRUE(view.Toggles.OutOfBounds);
    EXPECT_EQ(view.H.Maximum, 256);
    EXPECT_EQ(view.V.Maximum, 256);
    EXPECT_TRUE(view.H.Enabled && view.V.Enabled);
    EXPECT_TRUE(SetScrollValue(view.H, 256));
    EXPECT_TRUE(SetScrollValue(view.V, 256));

    // Unchecking restores the computed maxima and pulls the positions back.
    ToggleOutOfBounds(view);
    const LayoutResult r = Lay(view, 1300, 504);
    EXPECT_FALSE(view.Toggles.OutOfBounds);
    EXPECT_EQ(view.H.Maximum, 256 - 265);
    EXPECT_EQ(view.H.Value, 0);
    EXPECT_EQ(view.V.Maximum, 128 - 122);
    EXPECT_EQ(view.V.Value, 6);
    EXPECT_TRUE(r.ScrollChanged);
}

TEST(LayoutTest, LayoutRebuildsTheVisibleList) {
    ViewState view;
    LevelModel level;
    LevelObject far;
    far.X = 30;
    level.LevelObjects = {LevelObject{}, far};
    LayoutPass(LayoutInput{845, 504}, view, level);
    EXPECT_EQ(view.VisibleObjects, (std::vector<int>{0}));
    LayoutPass(LayoutInput{1000, 504}, view, level);
    EXPECT_EQ(view.VisibleObjects, (std::vector<int>{0, 1}));
}

}  // namespace
