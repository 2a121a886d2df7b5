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

// An exit's screen (its first tile column and row) and the marker that the
// picture shows and the pointer finds there: two tiles wide and half a tile
// high in the screen's top-left corner. The bottom edge lies between pixels.
struct ExitMarker {
    int Column = 0, Row = 0;           // tiles
    int Left = 0, Top = 0, Right = 0;  // pixels
    double Bottom = 0;
};
ExitMarker ExitMarkerOf(const ViewState& view, const ScreenExit& exit);

// Font point size of the surface for a zoom: max(2, zoom / 2 - 2).
int SurfaceFontPointSize(int zoom);

// Sets a scroll position clamped to 0..Maximum (0 when the bar has no range);
// returns true when it changed. The one way a scroll position is set.
bool SetScrollValue(ScrollBarState& bar, int value);

void RebuildVisibleList(ViewState& view, const LevelModel& level);

}  // namespace tarnloft
