#include "edit/wheel.h"

#include <algorithm>

#include "util/numbers.h"

namespace tarnloft {

namespace {

// Adds `delta` to `pending` and takes the whole notches out of it.
int TakeNotches(int& pending, int delta) {
    if (delta == 0) return 0;
    if ((pending > 0 && delta < 0) || (pending < 0 && delta > 0)) pending = 0;
    pending += delta;
    const int notches = pending / WheelNotch;  // toward zero: the rest stays pending
    pending -= notches * WheelNotch;
    return notches;
}

}  // namespace

WheelAction WheelAccumulator::Take(const WheelTurn& turn) {
    WheelAction action;
    if (turn.Control) {
        action.ZoomSteps = TakeNotches(zoom_, turn.DeltaY != 0 ? turn.DeltaY : turn.DeltaX);
        return action;
    }
    // A turn away from the user (or to the left) goes back towards the level's start.
    const int horizontal = turn.DeltaX + (turn.Shift ? turn.DeltaY : 0);
    const int vertical = turn.Shift ? 0 : turn.DeltaY;
    action.Columns = -TakeNotches(columns_, horizontal);
    action.Rows = -TakeNotches(rows_, vertical);
    return action;
}

int StepZoom(int zoom, int steps) {
    // A zoom between two factors counts as the next larger one.
    const auto found = std::lower_bound(ZoomFactors.begin(), ZoomFactors.end(), zoom);
    const int index = static_cast<int>(found - ZoomFactors.begin());
    const int last = static_cast<int>(ZoomFactors.size()) - 1;
    return ZoomFactors[static_cast<size_t>(std::clamp(index + steps, 0, last))];
}

TilePoint AnchoredScroll(const ViewState& view, int zoom, double x, double y) {
    const TilePoint tile = PointerTile(view, x, y);
    const int safeZoom = zoom > 0 ? zoom : 1;
    return TilePoint{tile.X - FloorToInt(x / safeZoom), tile.Y - FloorToInt(y / safeZoom)};
}

}  // namespace tarnloft
