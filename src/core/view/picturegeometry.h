// A picture of a whole level (all 16 x 8 screens) at a chosen number of
// pixels per tile: its size, the view that draws it, the device scale it is
// drawn at on high-density screens, and the name of its file.
#pragma once
#include <string>

#include "level/levelmodel.h"
#include "view/viewstate.h"

namespace tarnloft {

inline constexpr int DefaultPictureTilePixels = 4;
// 32 pixels per tile is a picture of 8192 x 4096 pixels (128 MiB while drawn).
inline constexpr int MinPictureTilePixels = 1;
inline constexpr int MaxPictureTilePixels = 32;

struct PictureSize {
    int Width = 0;
    int Height = 0;
};

bool ValidPictureTilePixels(int tilePixels);

// LevelTilesWide x LevelTilesHigh tiles of `tilePixels` each.
PictureSize PictureSizeFor(int tilePixels);

// The view that draws the whole level: no scrolling, the surface as large
// as the level area, the given toggles, every item that touches the area in
// its visible list.
ViewState PictureView(int tilePixels, const ViewToggles& toggles, const LevelModel& level);

// Whole device pixels per picture pixel for a screen's device pixel ratio:
// 2 at 200 %, 1 at 100 %; a fractional ratio rounds down (the toolkit then
// enlarges the picture a little instead of dropping thin lines).
int PictureScale(double devicePixelRatio);

// "level-1A.png": the index as two upper-case hexadecimal digits.
std::string PictureFileName(int index);

}  // namespace tarnloft
