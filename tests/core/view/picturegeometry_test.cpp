// Pictures of whole levels: their size, the view that draws them, their
// scale on dense screens, their file names and the report of an export.
#include "view/picturegeometry.h"

#include <gtest/gtest.h>

#include "view/picturereport.h"

using namespace tarnloft;

TEST(PictureGeometry, TheWholeLevelAreaAtTheChosenTileSize) {
    LevelModel level;
    level.LevelObjects = {
        {1, 0, 255, 127, 1, 1, false}, {1, 0, 10, 200, 1, 1, false}, {1, 0, 0, 0, -1, 1, false}};
    ViewToggles toggles;
    toggles.CrossSection = toggles.SmallGrid = true;
    const ViewState view = PictureView(4, toggles, level);
    EXPECT_EQ(view.SurfaceWidth, 1024);
    EXPECT_EQ(view.SurfaceHeight, 512);
    EXPECT_EQ(view.H.Value + view.V.Value, 0);
    EXPECT_TRUE(view.Toggles.CrossSection && view.Toggles.SmallGrid);
    EXPECT_EQ(view.VisibleObjects, (std::vector<int>{0, 2}));  // the one below the level area is left out
    EXPECT_FALSE(ValidPictureTilePixels(0) || ValidPictureTilePixels(33));
    EXPECT_EQ(PictureFileName(0x1A), "level-1A.png");
    EXPECT_EQ(PictureFileName(5), "level-05.png");
    // clang-format off
    const struct { double Ratio; int Scale; } scales[] = {{1, 1}, {1.5, 1}, {2, 2}, {2.5, 2}, {0.5, 1}, {8, 4}};
    // clang-format on
    for (const auto& s : scales) EXPECT_EQ(PictureScale(s.Ratio), s.Scale) << s.Ratio;
}

TEST(PictureReport, FailuresInIndexOrderThenTheCount) {
    PictureReport report{
        4, 2, {{0x1B, "cannot write x"}, {0x1A, "unknown object 7B at file offset 0xC0223"}}};
    EXPECT_EQ(PictureReportLines(report),
              (std::vector<std::string>{"level 1A: unknown object 7B at file offset 0xC0223",
                                        "level 1B: cannot write x", "wrote 2 of 4 pictures"}));
    EXPECT_EQ(PictureReportLines(report, 1).at(1), "and 1 more levels without a picture");
}
