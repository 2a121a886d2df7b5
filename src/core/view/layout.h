// The main window's layout pass as a pure calculation: where every panel
// goes for a given client size, the minimum window size, the scroll ranges
// that follow from the size of the drawing surface, and the view commands
// that change zoom or the out-of-level area.
#pragma once

#include "level/levelmodel.h"
#include "view/viewstate.h"

namespace tarnloft {

struct LayoutRect {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    friend bool operator==(const LayoutRect& a, const LayoutRect& b) {
        return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height;
    }
};

// Design geometry of the main window, in pixels.
namespace LayoutDesign {
inline constexpr int ClientWidth = 845;
inline constexpr int ClientHeight = 504;
inline constexpr int ListColumnWidth = 192;  // n when the catalogue list is in the window
inline constexpr int MinimumWidthBeyondList = 480;
inline constexpr int MinimumHeightTest = 272;
inline constexpr int MinimumHeight = 288;
inline constexpr int RightPanelSpace = 240;  // client width not given to the surface
inline constexpr int ScrollBarThickness = 16;
inline constexpr LayoutRect ListOptions{8, 8, 193, 65};   // fraListOptions
inline constexpr LayoutRect ObjectInfo{0, 8, 192, 153};   // fraObjectInfo (left is laid out)
inline constexpr LayoutRect LevelInfo{0, 168, 192, 89};   // fraLevelInfo (left is laid out)
inline constexpr LayoutRect ScreenExits{0, 8, 193, 409};  // fraScreenExits (left is laid out)
inline constexpr int SubPanelWidth = 177;                 // fraSubPanel
inline constexpr int SubPanelHeight = 48;
inline constexpr int ObjectListWidth = 193;  // lstObjects
}  // namespace LayoutDesign

struct LayoutInput {
    int ClientWidth = 0;   // SW: client area of the main window
    int ClientHeight = 0;  // SH
    int ListOptionsHeight = LayoutDesign::ListOptions.Height;
};

// Where the layout pass puts each panel, in pixels of the client area.
struct PanelPlacement {
    LayoutRect ObjectList;     // lstObjects
    LayoutRect SubPanel;       // fraSubPanel
    LayoutRect Surface;        // Level
    LayoutRect HorizontalBar;  // hscLevelPos
    LayoutRect VerticalBar;    // vscLevelPos
    LayoutRect ObjectInfo;     // fraObjectInfo
    LayoutRect LevelInfo;      // fraLevelInfo
    LayoutRect ScreenExits;    // fraScreenExits
    LayoutRect ListOptions;    // fraListOptions
};

struct LayoutResult {
    // The window was minimised (client width 0): nothing else was done.
    bool Skipped = false;

    // Minimum size: the window must be enlarged to these client sizes. The
    // placement below already assumes the enlarged size, so nothing is
    // placed with a negative extent.
    bool ResizeWidth = false;
    int NewWidth = 0;
    bool ResizeHeight = false;
    int NewHeight = 0;

    // fraSubPanel, fraListOptions and lstObjects: shown with the list column.
    bool LeftColumnShown = true;

    PanelPlacement Panels;

    // A scroll position was pulled down to a new maximum: the window must
    // repaint (RebuildVisibleList has already run).
    bool ScrollChanged = false;
};

// Width of the left panel column: 0 with the separate object list window, else 192.
int ListColumnWidth(const ViewState& view);
// Smallest client width / height the window may keep.
int MinimumClientWidth(const ViewState& view);

// The layout pass: places the panels, enforces the minimum size, stores the
// surface size in the view, recomputes the scroll ranges (unless the area
// outside the level is shown), clamps the positions and rebuilds the list
// of items in view. It does not repaint.
LayoutResult LayoutPass(const LayoutInput& input, ViewState& view, const LevelModel& level);

// True for the seven zoom factors of the View menu.
bool IsZoomFactor(int zoom);

// The zoom command's own change: the new zoom (ignored unless it is one of
// the menu's factors); returns the surface font size for the resulting zoom.
// The caller checks the menu entry and runs the layout pass.
int ZoomTo(ViewState& view, int zoom);

// "Show area outside of level": unchecking just clears the toggle; checking
// sets it and lets both scroll bars reach 256. The caller runs the layout pass.
void ToggleOutOfBounds(ViewState& view);

}  // namespace tarnloft
