#include "view/layout.h"

#include <gtest/gtest.h>

#include "fixtures.h"
#include "view/viewport.h"

using namespace tarnloft;

using fixture::Obj;

namespace {

// Every placed rectangle with the objectName of its panel.
std::vector<std::pair<std::string, LayoutRect>> Placed(const LayoutResult& r) {
    const PanelPlacement& p = r.Panels;
    return {{"lstObjects", p.ObjectList},
            {"fraSubPanel", p.SubPanel},
            {"Level", p.Surface},
            {"hscLevelPos", p.HorizontalBar},
            {"vscLevelPos", p.VerticalBar},
            {"fraObjectInfo", p.ObjectInfo},
            {"fraLevelInfo", p.LevelInfo},
            {"fraScreenExits", p.ScreenExits},
            {"fraListOptions", p.ListOptions}};
}

LayoutRect At(const LayoutResult& r, const std::string& name) {
    for (const auto& [panel, rect] : Placed(r))
        if (name == panel) return rect;
    ADD_FAILURE() << "no panel " << name;
    return LayoutRect{};
}

LayoutResult Lay(ViewState& view, int width, int height, bool separate = false) {
    view.Toggles.SeparateObjects = separate;
    return LayoutPass(LayoutInput{width, height}, view, LevelModel{});
}

TEST(LayoutTest, DesignSizeWithAndWithoutTheCatalogueList) {
    ViewState view;
    LayoutResult r = Lay(view, 845, 504);
    EXPECT_FALSE(r.Skipped || r.ResizeWidth || r.ResizeHeight || !r.LeftColumnShown);
    const std::pair<const char*, LayoutRect> expected[] = {
        {"lstObjects", {8, 81, 193, 359}},     {"fraSubPanel", {8, 448, 177, 48}},
        {"Level", {208, 0, 413, 488}},         {"hscLevelPos", {208, 488, 413, 16}},
        {"vscLevelPos", {621, 0, 16, 488}},    {"fraObjectInfo", {645, 8, 192, 153}},
        {"fraLevelInfo", {645, 168, 192, 89}}, {"fraScreenExits", {645, 8, 193, 409}},
        {"fraListOptions", {8, 8, 193, 65}}};
    for (const auto& [name, rect] : expected) EXPECT_EQ(At(r, name), rect) << name;
    EXPECT_EQ(std::tuple(view.SurfaceWidth, view.SurfaceHeight, view.H.Maximum, view.V.Maximum),
              std::tuple(413, 488, 231, 98));
    r = Lay(view, 845, 504, true);
    EXPECT_FALSE(r.LeftColumnShown);
    EXPECT_EQ(At(r, "Level"), (LayoutRect{16, 0, 605, 488}));
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
        EXPECT_EQ(At(r, "Level"), (LayoutRect{c.separate ? 16 : 208, 0, c.levelWidth, c.levelHeight}));
        for (const auto& [name, rect] : Placed(r)) EXPECT_TRUE(rect.Width >= 0 && rect.Height >= 0) << name;
    }
    ViewState view;
    view.SurfaceWidth = 413, view.H = {200, 231};
    const LayoutResult r = Lay(view, 0, 0);
    EXPECT_TRUE(r.Skipped && view.SurfaceWidth == 413 && view.H.Value == 200);
    for (const auto& [name, rect] : Placed(r)) EXPECT_EQ(rect, LayoutRect{}) << name << " is not placed";
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
