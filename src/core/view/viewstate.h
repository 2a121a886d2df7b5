// What the level view shows: zoom, scroll positions, surface size, the view
// toggles of the View menu, and the list of items in view.
#pragma once
#include <array>
#include <optional>
#include <vector>

namespace tarnloft {

struct ScrollBarState {
    int Value = 0;
    int Maximum = 0;
    bool Enabled = true;
};

struct ViewToggles {
    bool CrossSection = false;     // mnuViewCross
    bool SmallGrid = false;        // mnuViewSmallgrid
    bool Transparent = false;      // mnuViewTransparent
    bool Stationary = false;       // mnuViewStationary
    bool OutOfBounds = false;      // mnuViewOutofbounds
    bool SeparateObjects = false;  // mnuViewSeperateobjects
};

inline constexpr int LevelTilesWide = 256;
inline constexpr int LevelTilesHigh = 128;
// A move drag keeps an entry inside the level's tiles, objects and sprites
// alike (the records themselves could hold rows up to 255).
inline constexpr int LastLevelColumn = LevelTilesWide - 1;
inline constexpr int LastLevelRow = LevelTilesHigh - 1;

// The zoom factors of the View menu, smallest first, and the one it starts with.
inline constexpr std::array<int, 7> ZoomFactors = {4, 8, 12, 16, 24, 32, 64};
inline constexpr int DefaultZoom = 16;

// A rectangle between two pointer positions, in pixels of the surface.
struct PixelBand {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

struct ViewState {
    int Zoom = DefaultZoom;  // pixels per tile edge: one of ZoomFactors
    ScrollBarState H;        // hscLevelPos: first tile column in view
    ScrollBarState V;        // vscLevelPos: first tile row in view
    int SurfaceWidth = 0;    // size of the surface `Level` in pixels
    int SurfaceHeight = 0;
    ViewToggles Toggles;
    std::vector<int> VisibleObjects;      // indices into LevelObjects, ascending
    std::optional<PixelBand> RubberBand;  // shown while a left drag selects by area
};

}  // namespace tarnloft
