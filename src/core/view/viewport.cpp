#include "view/viewport.h"

#include <algorithm>
#include <cmath>

namespace tarnloft {

// Pixel maths uses int rather than 16 bits: a tile coordinate is at most
// 255 + 32767 (an extent) and a scroll position at most 256, so even at 64
// pixels per tile every product stays far inside 32 bits, while 16 bits
// would already wrap for extents the model can hold.

TileBounds ItemBounds(const LevelObject& item) {
    const int x1 = item.X;
    const int x2 = item.X + static_cast<int>(item.Width);
    const int y1 = item.Y;
    const int y2 = item.Y + static_cast<int>(item.Height);
    TileBounds b;
    b.Left = std::min(x1, x2);
    b.Right = std::max(x1, x2);
    b.Top = std::min(y1, y2);
    b.Bottom = std::max(y1, y2);
    return b;
}

int Px(const ViewState& view, int tileX) { return (tileX - view.H.Value) * view.Zoom; }
int Py(const ViewState& view, int tileY) { return (tileY - view.V.Value) * view.Zoom; }

double PxF(const ViewState& view, double tileX) { return (tileX - view.H.Value) * view.Zoom; }
double PyF(const ViewState& view, double tileY) { return (tileY - view.V.Value) * view.Zoom; }

namespace {
// Floor of a floating division; a zoom that is not positive fits no tiles.
int TilesIn(int pixels, int zoom) {
    if (zoom <= 0) return 0;
    return static_cast<int>(std::floor(static_cast<double>(pixels) / zoom));
}
}  // namespace

int VisibleTilesWide(const ViewState& view) { return TilesIn(view.SurfaceWidth, view.Zoom); }
int VisibleTilesHigh(const ViewState& view) { return TilesIn(view.SurfaceHeight, view.Zoom); }

ExitMarker ExitMarkerOf(const ViewState& view, const ScreenExit& exit) {
    ExitMarker m;
    m.Column = TilesPerScreen * exit.ScreenX;
    m.Row = TilesPerScreen * exit.ScreenY;
    m.Left = Px(view, m.Column);
    m.Top = Py(view, m.Row);
    m.Right = Px(view, m.Column + 2);
    m.Bottom = PyF(view, m.Row + 0.5);
    return m;
}

int SurfaceFontPointSize(int zoom) { return std::max(2, zoom / 2 - 2); }

bool SetScrollValue(ScrollBarState& bar, int value) {
    const int clamped = std::max(0, std::min(value, bar.Maximum));
    if (clamped == bar.Value) return false;
    bar.Value = clamped;
    return true;
}

void RebuildVisibleList(ViewState& view, const LevelModel& level) {
    view.VisibleObjects.clear();
    const int hs = view.H.Value;
    const int vs = view.V.Value;
    const int wide = VisibleTilesWide(view);
    const int high = VisibleTilesHigh(view);
    const int count = static_cast<int>(level.LevelObjects.size());
    for (int i = 0; i < count; ++i) {
        const TileBounds b = ItemBounds(level.LevelObjects[i]);
        // An edge lying exactly on the view's border counts as in view.
        if (b.Left - hs <= wide && b.Top - vs <= high && b.Right - hs >= 0 && b.Bottom - vs >= 0) {
            view.VisibleObjects.push_back(i);
        }
    }
}

}  // namespace tarnloft
