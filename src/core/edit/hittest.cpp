#include "edit/hittest.h"

#include "util/numbers.h"
#include "view/renderer.h"
#include "view/viewport.h"

namespace tarnloft {

namespace {

bool BodyContains(const ViewState& view, const LevelObject& entry, double x, double y) {
    const TileBounds b = ItemBounds(entry);
    return Py(view, b.Top) <= y && y < Py(view, b.Bottom) && Px(view, b.Left) <= x && x < Px(view, b.Right);
}

bool WidthHandleContains(const ViewState& view, const LevelObject& entry, double x, double y) {
    const TileBounds b = ItemBounds(entry);
    const int edge = Px(view, entry.X + entry.Width);
    return edge - 5 < x && x < edge + 5 && Py(view, b.Top) <= y && y <= Py(view, b.Bottom);
}

bool HeightHandleContains(const ViewState& view, const LevelObject& entry, double x, double y) {
    const TileBounds b = ItemBounds(entry);
    const int edge = Py(view, entry.Y + entry.Height);
    return edge - 5 < y && y < edge + 5 && Px(view, b.Left) <= x && x <= Px(view, b.Right);
}

// Every object drawn with handles has them: all but sprites and special objects.
bool IsHandleBearing(const LevelObject& entry, const Catalogues& defs) {
    return !entry.IsSprite && defs.ObjectDefs[entry.Number].ByteCount != ByteClass::Special;
}

template <typename HasHandle, typename Contains>
int FindHandle(const EditorState& state, const Catalogues& defs, double x, double y, HasHandle hasHandle,
               Contains contains) {
    for (int index : state.View.VisibleObjects) {
        if (!state.Level.HoldsEntry(index)) continue;
        const LevelObject& entry = state.Level.LevelObjects[index];
        if (!hasHandle(defs, entry)) continue;
        if (IsCrossSectionHidden(state.View, state.Level, defs, index)) continue;
        if (contains(state.View, entry, x, y)) return index;
    }
    return -1;
}

}  // namespace

TilePoint PointerTile(const ViewState& view, double x, double y) {
    const double zoom = view.Zoom > 0 ? view.Zoom : 1;
    return TilePoint{FloorToInt(x / zoom) + view.H.Value, FloorToInt(y / zoom) + view.V.Value};
}

// SizeMode 1 stores only the width and 2 only the height, the other axis
// being fixed.
bool HasWidthHandle(const Catalogues& defs, const LevelObject& entry) {
    return IsHandleBearing(entry, defs) && defs.ObjectDefs[entry.Number].SizeMode != 2;
}

bool HasHeightHandle(const Catalogues& defs, const LevelObject& entry) {
    return IsHandleBearing(entry, defs) && defs.ObjectDefs[entry.Number].SizeMode != 1;
}

int FindObjectAt(const EditorState& state, const Catalogues& defs, double x, double y) {
    const std::vector<int>& visible = state.View.VisibleObjects;
    for (auto it = visible.rbegin(); it != visible.rend(); ++it) {
        const int index = *it;
        if (!state.Level.HoldsEntry(index)) continue;
        if (IsCrossSectionHidden(state.View, state.Level, defs, index)) continue;
        if (BodyContains(state.View, state.Level.LevelObjects[index], x, y)) return index;
    }
    return -1;
}

int FindWidthHandleAt(const EditorState& state, const Catalogues& defs, double x, double y) {
    return FindHandle(state, defs, x, y, HasWidthHandle, WidthHandleContains);
}

int FindHeightHandleAt(const EditorState& state, const Catalogues& defs, double x, double y) {
    return FindHandle(state, defs, x, y, HasHeightHandle, HeightHandleContains);
}

int FindScreenExitAt(const EditorState& state, double x, double y) {
    const std::vector<ScreenExit>& exits = state.Level.ScreenExits;
    for (int i = 0; i < static_cast<int>(exits.size()); ++i) {
        const ExitMarker m = ExitMarkerOf(state.View, exits[i]);
        // The bottom edge is compared in single precision, as the marker is drawn.
        if (m.Top <= y && y < static_cast<float>(m.Bottom) && m.Left <= x && x < m.Right) return i;
    }
    return -1;
}

PopupFeedback FillObjectPopup(EditorState& state, const Catalogues& defs, double x, double y) {
    PointerTool& tool = state.Tool;
    tool.PopupLines.clear();
    const std::vector<int>& visible = state.View.VisibleObjects;
    for (auto it = visible.rbegin(); it != visible.rend(); ++it) {
        const int index = *it;
        if (!state.Level.HoldsEntry(index)) continue;
        if (IsCrossSectionHidden(state.View, state.Level, defs, index)) continue;
        if (BodyContains(state.View, state.Level.LevelObjects[index], x, y))
            tool.PopupLines.push_back(PopupLine{ObjectLabel(state.Level, defs, index, true), index});
    }
    PopupFeedback popup;
    tool.PopupOpen = !tool.PopupLines.empty();
    if (!tool.PopupOpen) return popup;
    popup.Shown = true;
    popup.Left = FloorToInt(x) - 16;
    popup.Top = FloorToInt(y) - 16;
    popup.Lines = tool.PopupLines;
    return popup;
}

}  // namespace tarnloft
