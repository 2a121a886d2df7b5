#include "view/layout.h"

#include <algorithm>

#include "view/viewport.h"

namespace tarnloft {

int ListColumnWidth(const ViewState& view) {
    return view.Toggles.SeparateObjects ? 0 : LayoutDesign::ListColumnWidth;
}

int MinimumClientWidth(const ViewState& view) {
    return ListColumnWidth(view) + LayoutDesign::MinimumWidthBeyondList;
}

namespace {
// Recomputes one scroll bar's range for the tiles that fit, and pulls its
// position back into it. Returns true when the position changed.
bool FitScrollBar(ScrollBarState& bar, int levelTiles, int tilesInView) {
    bar.Maximum = levelTiles - tilesInView;
    bar.Enabled = bar.Maximum >= 1;
    return SetScrollValue(bar, bar.Value);
}
}  // namespace

LayoutResult LayoutPass(const LayoutInput& input, ViewState& view, const LevelModel& level) {
    namespace D = LayoutDesign;
    LayoutResult r;
    if (input.ClientWidth <= 0) {
        r.Skipped = true;
        return r;
    }

    const int n = ListColumnWidth(view);
    r.LeftColumnShown = n != 0;

    int sw = input.ClientWidth;
    int sh = input.ClientHeight;
    if (sw < MinimumClientWidth(view)) {
        r.ResizeWidth = true;
        r.NewWidth = MinimumClientWidth(view);
        sw = r.NewWidth;
    }
    if (sh < D::MinimumHeightTest) {
        r.ResizeHeight = true;
        r.NewHeight = D::MinimumHeight;
        sh = r.NewHeight;
    }

    const int optionsHeight = std::max(0, input.ListOptionsHeight);
    const int bar = D::ScrollBarThickness;
    const LayoutRect levelRect{n + 16, 0, sw - n - D::RightPanelSpace, sh - bar};
    const LayoutRect vscRect{levelRect.Left + levelRect.Width, 0, bar, sh - bar};
    const int framesLeft = vscRect.Left + vscRect.Width + 8;

    PanelPlacement& p = r.Panels;
    p.ObjectList = {8, optionsHeight + 16, D::ObjectListWidth, std::max(0, sh - optionsHeight - 80)};
    p.SubPanel = {8, sh - 56, D::SubPanelWidth, D::SubPanelHeight};
    p.Surface = levelRect;
    p.HorizontalBar = {levelRect.Left, sh - bar, levelRect.Width, bar};
    p.VerticalBar = vscRect;
    p.ObjectInfo = {framesLeft, D::ObjectInfo.Top, D::ObjectInfo.Width, D::ObjectInfo.Height};
    p.LevelInfo = {framesLeft, D::LevelInfo.Top, D::LevelInfo.Width, D::LevelInfo.Height};
    p.ScreenExits = {framesLeft, D::ScreenExits.Top, D::ScreenExits.Width, D::ScreenExits.Height};
    p.ListOptions = D::ListOptions;

    view.SurfaceWidth = levelRect.Width;
    view.SurfaceHeight = levelRect.Height;

    if (!view.Toggles.OutOfBounds) {
        const bool hChanged = FitScrollBar(view.H, LevelTilesWide, VisibleTilesWide(view));
        const bool vChanged = FitScrollBar(view.V, LevelTilesHigh, VisibleTilesHigh(view));
        r.ScrollChanged = hChanged || vChanged;
    }

    RebuildVisibleList(view, level);
    return r;
}

bool IsZoomFactor(int zoom) {
    return std::find(ZoomFactors.begin(), ZoomFactors.end(), zoom) != ZoomFactors.end();
}

int ZoomTo(ViewState& view, int zoom) {
    if (IsZoomFactor(zoom)) view.Zoom = zoom;
    return SurfaceFontPointSize(view.Zoom);
}

void ToggleOutOfBounds(ViewState& view) {
    if (view.Toggles.OutOfBounds) {
        view.Toggles.OutOfBounds = false;
        return;
    }
    view.Toggles.OutOfBounds = true;
    // Both bars must be usable up to 256, including one that the layout
    // disabled because the whole level fitted into the view.
    for (ScrollBarState* bar : {&view.H, &view.V}) {
        bar->Maximum = 256;
        bar->Enabled = true;
    }
}

}  // namespace tarnloft
