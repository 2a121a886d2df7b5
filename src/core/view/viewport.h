// Tile-to-pixel mapping, item extents, scroll clamping and the list of
// items in view.
#pragma once
#include "catalogue/catalogues.h"
#include "level/levelmodel.h"
#include "view/viewstate.h"

namespace tarnloft {

// Tile rectangle of an item: between (X, Y) and (X + Width, Y + Height).
// int arithmetic: no overflow for any value the model can hold.
struct TileBounds {
    int Left = 0, Right = 0, Top = 0, Bottom = 0;
};
TileBounds ItemBounds(const LevelObject& item);

// Whole-tile mapping: pixel of tile column / row t (top-left corner).
// 32-bit: the largest product (tile up to ~511 + 256 scroll, 64 px) fits easily.
int Px(const ViewState& view, int tileX);
int Py(const ViewState& view, int tileY);
// Fractional mapping for slope patterns and exit markers.
double PxF(const ViewState& view, double tileX);
double PyF(const ViewState& view, double tileY);

// Whole tiles that fit across / down the surface.
int VisibleTilesWide(const ViewState& view);
int VisibleTilesHigh(const ViewState& view);

// Font point size of the surface for a zoom: max(2, zoom / 2 - 2).
int SurfaceFontPointSize(int zoom);

// Sets a scroll position clamped to 0..Maximum; returns true when it changed.
bool SetScrollValue(ScrollBarState& bar, int value);

void RebuildVisibleList(ViewState& view, const LevelModel& level);

}  // namespace tarnloft
