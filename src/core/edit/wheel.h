// The mouse wheel over the drawing surface: turns of the wheel become whole
// tiles to scroll or steps through the zoom menu's factors, and a zoom keeps
// the tile under the pointer where it was.
#pragma once
#include "edit/hittest.h"
#include "view/viewstate.h"

namespace tarnloft {

// One notch of a wheel: 15 degrees in eighths of a degree.
inline constexpr int WheelNotch = 120;

// A turn as the window system reports it, in eighths of a degree: positive
// Y turns away from the user, positive X to the left.
struct WheelTurn {
    int DeltaX = 0;
    int DeltaY = 0;
    bool Shift = false;    // the vertical wheel scrolls horizontally
    bool Control = false;  // the wheel zooms
};

// Whole tiles to scroll (positive: right, down) or zoom steps (positive: larger).
struct WheelAction {
    int Columns = 0;
    int Rows = 0;
    int ZoomSteps = 0;
};

// Collects the fractions of a notch that touchpads report until they make
// whole ones; turning the other way drops what was collected.
class WheelAccumulator {
public:
    WheelAction Take(const WheelTurn& turn);

private:
    int columns_ = 0;
    int rows_ = 0;
    int zoom_ = 0;
};

// The zoom menu's factor `steps` entries from `zoom`, stopping at either end.
int StepZoom(int zoom, int steps);

// Scroll positions for `zoom` that keep the tile under (x, y) under the
// pointer; the caller clamps them to the scroll ranges.
TilePoint AnchoredScroll(const ViewState& view, int zoom, double x, double y);

}  // namespace tarnloft
