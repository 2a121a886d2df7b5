// What the level view shows: zoom, scroll positions, surface size, the view
// toggles of the View menu, and the list of items in view.
#pragma once
#include <vector>

namespace tarnloft {

struct ScrollBarState {
    int Value = 0;
    int Maximum = 0;
    bool Enabled = true;
};

struct ViewToggles {
    bool CrossSection = false;     // mnuViewCross
    bool ScreenExitMode = false;   // mnuViewScreenExit (tick)
    bool SmallGrid = false;        // mnuViewSmallgrid
    bool Transparent = false;      // mnuViewTransparent
    bool Stationary = false;       // mnuViewStationary
    bool OutOfBounds = false;      // mnuViewOutofbounds
    bool SeparateObjects = false;  // mnuViewSeperateobjects
};

inline constexpr int LevelTilesWide = 256;
inline constexpr int LevelTilesHigh = 128;

struct ViewState {
    int Zoom = 16;            // pixels per tile edge: 4, 8, 12, 16, 24, 32 or 64
    ScrollBarState H;         // hscLevelPos: first tile column in view
    ScrollBarState V;         // vscLevelPos: first tile row in view
    int SurfaceWidth = 0;     // size of the surface `Level` in pixels
    int SurfaceHeight = 0;
    ViewToggles Toggles;
    std::vector<int> VisibleObjects;  // indices into LevelObjects, ascending
};

}  // namespace tarnloft
