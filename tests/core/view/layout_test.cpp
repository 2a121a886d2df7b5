#include "view/layout.h"

#include <gtest/gtest.h>

#include "view/viewport.h"

using namespace tarnloft;

namespace {

// Every placed rectangle: lstObjects, fraSubPanel, Level, hscLevelPos,
// vscLevelPos, fraObjectInfo, fraLevelInfo, fraScreenExits, fraListOptions.
std::vector<LayoutRect> Placed(const LayoutResult& r) {
    const PanelPlacement& p = r.Panels;
    return {p.ObjectList, p.SubPanel,  p.Surface,     p.HorizontalBar, p.VerticalBar,
            p.ObjectInfo, p.LevelInfo, p.ScreenExits, p.ListOptions};
}

LayoutResult Lay(ViewState& view, int width, int height, bool separate = false) {
    view.Toggles.SeparateObjects = separate;
    return LayoutPass(LayoutInput{width, height}, view, LevelModel{});
}

TEST(LayoutTest, DesignSizeWithAndWithoutTheCatalogueList) {
    ViewState view;
    LayoutResult r = Lay(view, 845, 504);
    EXPECT_FALSE(r.Skipped || r.ResizeWidth || r.ResizeHeight || !r.LeftColumnShown);
    const std::vector<LayoutRect> expected = {{8, 81, 193, 359},   {8, 448, 177, 48},  {208, 0, 413, 488},
                                              {208, 488, 413, 16}, {621, 0, 16, 488},  {645, 8, 192, 153},
                                              {645, 168, 192, 89}, {645, 8, 193, 409}, {8, 8, 193, 65}};
    EXPECT_EQ(Placed(r), expected);
    EXPECT_EQ(std::tuple(view.SurfaceWidth, view.SurfaceHeight, view.H.Maximum, view.V.Maximum),
              std::tuple(413, 488, 231, 98));
    r = Lay(view, 845, 504, true);
    EXPECT_FALSE(r.LeftColumnShown);
    EXPECT_EQ(r.Panels.Surface, (LayoutRect{16, 0, 605, 488}));
}

TEST(LayoutTest, MinimumSizeIsEnforcedAndMinimisedIsSkipped) {
    struct Case {
        bool separate;
        int width, height, newWidth, newHeight, levelWidth, levelHeight;
    } const cases[] = {{false, 671, 504, 672, 0, 240, 488},
                       {false, 672, 272, 0, 0, 240, 256},
                       {false, 845, 271, 0, 288, 413, 272},
                       {true, 479, 1, 480, 288, 240, 272},
                       {true, 480, 272, 0, 0, 240, 256}};
    for (const Case& c : cases) {
        ViewState view;
        const LayoutResult r = Lay(view, c.width, c.height, c.separate);
        EXPECT_EQ(std::tuple(r.ResizeWidth, r.NewWidth, r.ResizeHeight, r.NewHeight),
                  std::tuple(c.newWidth > 0, c.newWidth, c.newHeight > 0, c.newHeight))
            << c.width << " x " << c.height;
        EXPECT_EQ(r.Panels.Surface, (LayoutRect{c.separate ? 16 : 208, 0, c.levelWidth, c.levelHeight}));
        for (const LayoutRect& rect : Placed(r)) EXPECT_TRUE(rect.Width >= 0 && rect.Height >= 0) << c.width;
    }
    ViewState view;
    view.SurfaceWidth = 413, view.H = {200, 231};
    const LayoutResult r = Lay(view, 0, 0);
    EXPECT_TRUE(r.Skipped && view.SurfaceWidth == 413 && view.H.Value == 200);
    EXPECT_EQ(Placed(r), std::vector<LayoutRect>(9)) << "nothing is placed";
}

TEST(LayoutTest, ScrollBarsDisableWhenTheLevelFits) {
    for (auto [levelWidth, maximum] : {std::pair{1024, 0}, {1020, 1}, {1400, -94}}) {
        ViewState view;
        view.Zoom = 4, view.H.Value = 50;
        EXPECT_TRUE(Lay(view, levelWidth + 240, 504, true).ScrollChanged);
        EXPECT_EQ(std::tuple(view.H.Maximum, view.H.Enabled, view.H.Value),
                  std::tuple(maximum, maximum > 0, std::max(0, maximum)));
    }
}

}  // namespace
