#include "edit/mouse.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>

#include "edit/hittest.h"
#include "edit/selection.h"
#include "util/hex.h"
#include "util/numbers.h"
#include "view/renderer.h"
#include "view/viewport.h"

namespace tarnloft {

namespace {

int ClampedFloorDiv(double pixels, int zoom) {
    return FloorToInt(std::floor(pixels / (zoom > 0 ? zoom : 1)));
}

void StartBand(EditorState& state, double x, double y, bool adds) {
    state.Tool.Mode = PointerMode::RubberBand;
    state.Tool.BandAdds = adds;
    state.View.RubberBand = PixelBand{x, y, x, y};
}

void PressLeft(EditorState& state, const Catalogues& defs, double x, double y, PressKeys keys) {
    PointerTool& tool = state.Tool;
    if (tool.Mode == PointerMode::ExitEditing) {
        // A press while the exit editor is open only closes it.
        tool.Mode = PointerMode::Idle;
        return;
    }
    if (tool.Mode == PointerMode::ExitPressed) return;

    LevelModel& level = state.Level;
    const int body = FindObjectAt(state, defs, x, y);
    if (keys.Ctrl && body >= 0) {
        ToggleMember(level, body);
        return;
    }
    if (body >= 0) {
        tool.Mode = PointerMode::Moving;
        // Pressing a member of a group keeps the group, to drag it.
        tool.ReduceOnRelease = HasGroup(level) && IsSelected(level, body);
        level.SelectedObject = body;
        const LevelObject& entry = level.LevelObjects[body];
        tool.GrabOffsetX =
            RoundHalfEven(x - static_cast<double>(entry.X - state.View.H.Value) * state.View.Zoom);
        tool.GrabOffsetY =
            RoundHalfEven(y - static_cast<double>(entry.Y - state.View.V.Value) * state.View.Zoom);
    }
    const int widthHandle = FindWidthHandleAt(state, defs, x, y);
    if (widthHandle >= 0) {
        level.SelectedObject = widthHandle;
        tool.Mode = PointerMode::ResizingWidth;
    }
    const int heightHandle = FindHeightHandleAt(state, defs, x, y);
    if (heightHandle >= 0) {
        level.SelectedObject = heightHandle;
        tool.Mode = PointerMode::ResizingHeight;
    }
    // The corner: both extents follow the pointer; the selection stays on the
    // height-handle entry.
    if (widthHandle >= 0 && heightHandle >= 0) tool.Mode = PointerMode::ResizingBoth;

    const int exitIndex = FindScreenExitAt(state, x, y);
    if (exitIndex >= 0) {
        tool.Mode = PointerMode::ExitPressed;
        level.SelectedScreenExit = exitIndex;
    }
    if (tool.Mode == PointerMode::Idle) StartBand(state, x, y, keys.Ctrl || keys.Shift);
}

// Drops a copy of the selected entry on the tile under the pointer. The
// position is clamped to what the record can hold. A group's copies keep
// their places relative to its top-left tile, which lands on the pointer's
// tile as near as the level's tiles allow, and they become the selection.
void Duplicate(EditorState& state, double x, double y, ChangeReport& report) {
    LevelModel& level = state.Level;
    if (!level.HoldsEntry(level.SelectedObject)) return;
    if (HasGroup(level)) {
        std::vector<LevelObject> copies;
        for (int index : SelectedEntries(level)) copies.push_back(level.LevelObjects[index]);
        const TilePoint tile = PointerTile(state.View, x, y);
        AppendGroup(level, std::move(copies), TileShift{tile.X, tile.Y});
        ClosePopup(state, report);
        return;
    }
    LevelObject copy = level.LevelObjects[level.SelectedObject];
    const TilePoint tile = PointerTile(state.View, x, y);
    copy.X = static_cast<uint8_t>(std::clamp(tile.X, 0, LastColumn));
    copy.Y = static_cast<uint8_t>(std::clamp(tile.Y, 0, copy.IsSprite ? LastSpriteRow : LastRow));
    level.LevelObjects.push_back(copy);
    ClosePopup(state, report);
}

std::string ExitCaption(const ScreenExit& exit) {
    return "Screen exit to " + Hex(exit.Destination) + ", Entrance type: " + Hex(exit.EntranceType) +
           ", Entrance at (" + Hex(exit.EntranceX) + "," + Hex(exit.EntranceY) + ")";
}

// The label and the pointer shape for what lies under the pointer at (x, y)
// with no button held. With the stationary tooltip the label keeps its place.
struct Hovered {
    ToolTipFeedback Tip;
    PointerShape Shape = PointerShape::Arrow;
};

Hovered HoverAt(const EditorState& state, const Catalogues& defs, double x, double y) {
    const bool stationary = state.View.Toggles.Stationary;
    Hovered h;
    ToolTipFeedback& tip = h.Tip;
    auto placeTip = [&] {
        if (stationary) return;
        tip.Placement = ToolTipFeedback::Place::At;
        tip.Left = FloorToInt(x) + 16;
        tip.Top = FloorToInt(y) - 32;
    };

    const int body = FindObjectAt(state, defs, x, y);
    if (body < 0) {
        if (!stationary) tip.Placement = ToolTipFeedback::Place::Hide;
        tip.Caption = std::string();
    } else {
        h.Shape = PointerShape::Move;
        placeTip();
        tip.Caption = ObjectLabel(state.Level, defs, body, true);
    }

    const int exitIndex = FindScreenExitAt(state, x, y);
    if (exitIndex >= 0) {
        h.Shape = PointerShape::Cross;
        placeTip();
        tip.Caption = ExitCaption(state.Level.ScreenExits[exitIndex]);
    }

    const bool onWidth = FindWidthHandleAt(state, defs, x, y) >= 0;
    const bool onHeight = FindHeightHandleAt(state, defs, x, y) >= 0;
    if (onWidth) h.Shape = PointerShape::SizeWE;
    if (onHeight) h.Shape = PointerShape::SizeNS;
    if (onWidth && onHeight) h.Shape = PointerShape::SizeNWSE;
    return h;
}

void ShowToolTip(PointerTool& tool, const ToolTipFeedback& tip, ChangeReport& report) {
    tool.HoverCaption = tip.Caption.value_or(tool.HoverCaption);
    report.Pointer.ToolTip = tip;
}

bool Drag(EditorState& state, const Catalogues& defs, double x, double y) {
    const PointerMode mode = state.Tool.Mode;
    LevelModel& level = state.Level;
    if (!IsDrag(mode) || !level.HoldsEntry(level.SelectedObject)) return false;
    LevelObject& entry = level.LevelObjects[level.SelectedObject];
    const TilePoint tile = PointerTile(state.View, x, y);

    if (mode == PointerMode::ResizingBoth || mode == PointerMode::ResizingHeight)
        entry.Height = ClampDraggedExtent(defs, entry, tile.Y - entry.Y, Axis::Vertical);
    if (mode == PointerMode::ResizingWidth || mode == PointerMode::ResizingBoth)
        entry.Width = ClampDraggedExtent(defs, entry, tile.X - entry.X, Axis::Horizontal);
    if (mode == PointerMode::Moving) {
        // Every member moves by the entry's own move, the group clamped as one.
        const int column = ClampedFloorDiv(x - state.Tool.GrabOffsetX, state.View.Zoom) + state.View.H.Value;
        const int row = ClampedFloorDiv(y - state.Tool.GrabOffsetY, state.View.Zoom) + state.View.V.Value;
        const std::vector<int>& members = SelectedEntries(level);
        const TileShift shift = ClampGroupShift(level, members, TileShift{column - entry.X, row - entry.Y});
        if (shift.X != 0 || shift.Y != 0) state.Tool.ReduceOnRelease = false;
        ShiftEntries(level, members, shift);
    }
    return true;
}

void DrawBand(EditorState& state, double x, double y, ChangeReport& report) {
    if (state.Tool.Mode != PointerMode::RubberBand || !state.View.RubberBand) return;
    state.View.RubberBand->X2 = x;
    state.View.RubberBand->Y2 = y;
    report.PictureChanged = true;
}

// The band's release: what it encloses becomes the selection (added to it
// with Ctrl or Shift). A band that encloses nothing changes nothing.
void FinishBand(EditorState& state, const Catalogues& defs) {
    const PixelBand band = *state.View.RubberBand;
    if (band.X1 == band.X2 && band.Y1 == band.Y2) return;
    std::vector<int> inside = EntriesInBand(state, defs, band);
    if (inside.empty()) return;
    LevelModel& level = state.Level;
    if (state.Tool.BandAdds) {
        std::vector<int> both;
        std::set_union(level.Selection.begin(), level.Selection.end(), inside.begin(), inside.end(),
                       std::back_inserter(both));
        inside = std::move(both);
    }
    SelectMembers(level, std::move(inside));
}

}  // namespace

int16_t ClampDraggedExtent(const Catalogues& defs, const LevelObject& entry, int extent, Axis axis) {
    const bool horizontal = axis == Axis::Horizontal;
    const int16_t current = horizontal ? entry.Width : entry.Height;
    if (horizontal ? !HasWidthHandle(defs, entry) : !HasHeightHandle(defs, entry)) return current;

    // Only four- and five-byte objects store a size (undefined numbers and
    // the end-of-list number have handles, but nothing to drag).
    const ObjectDef& def = defs.ObjectDefs[entry.Number];
    if (def.ByteCount != ByteClass::FourByte && def.ByteCount != ByteClass::FiveByte) return current;
    const bool wholeByte = def.ByteCount == ByteClass::FiveByte || def.SizeMode == (horizontal ? 1 : 2);
    if (!wholeByte) return static_cast<int16_t>(std::clamp(extent, 1, 16));

    // The stored byte holds 1..128 and -129..-2; 0 and -1 have no form.
    if (extent == 0) return 1;
    if (extent == -1) return -2;
    const int lowest = def.ByteCount == ByteClass::FiveByte ? -127 : -129;
    return static_cast<int16_t>(std::clamp(extent, lowest, 128));
}

void ClosePopup(EditorState& state, ChangeReport& report) {
    // Closing a closed popup changes nothing on screen; the report says so anyway,
    // as the popup widget may have been placed by an earlier report.
    state.Tool.PopupOpen = false;
    report.Pointer.Popup = PopupFeedback{};
}

void MousePress(EditorState& state, const Catalogues& defs, MouseButton button, double x, double y,
                PressKeys keys, ChangeReport& report) {
    state.Tool.ButtonHeld = true;
    state.Tool.LastPosition = PointerPosition{x, y};
    switch (button) {
        case MouseButton::Left:
            PressLeft(state, defs, x, y, keys);
            break;
        case MouseButton::Right:
            report.Pointer.Popup = FillObjectPopup(state, defs, x, y);
            break;
        case MouseButton::Middle:
            if (!state.InScreenExitMode()) Duplicate(state, x, y, report);
            break;
        default:
            break;
    }
    report.PictureChanged = true;
}

void MouseMove(EditorState& state, const Catalogues& defs, MouseButton held, double x, double y,
               ChangeReport& report) {
    PointerTool& tool = state.Tool;
    tool.LastPosition = PointerPosition{x, y};
    report.Pointer.Shape = PointerShape::Arrow;
    const TilePoint tile = PointerTile(state.View, x, y);
    report.Pointer.MousePosition = "(" + Hex32(tile.X) + "," + Hex32(tile.Y) + ")";

    if (held == MouseButton::None) {
        tool.ButtonHeld = false;
        const Hovered hovered = HoverAt(state, defs, x, y);
        report.Pointer.Shape = hovered.Shape;
        ShowToolTip(tool, hovered.Tip, report);
        ClosePopup(state, report);
    }
    if (held == MouseButton::Left && Drag(state, defs, x, y)) report.PictureChanged = true;
    if (held == MouseButton::Left) DrawBand(state, x, y, report);

    if (state.View.Toggles.Stationary) {
        ToolTipFeedback tip = report.Pointer.ToolTip.value_or(ToolTipFeedback{});
        tip.Placement = ToolTipFeedback::Place::At;
        tip.Left = 0;
        tip.Top = state.View.SurfaceHeight - 16;
        report.Pointer.ToolTip = tip;
    }
}

void MouseRelease(EditorState& state, const Catalogues& defs, ChangeReport& report) {
    // ExitPressed becomes ExitEditing. ExitEditing itself is only left by a
    // left press or the menu, so the mode stays in step with the menu tick
    // and the shown editor.
    PointerTool& tool = state.Tool;
    tool.ButtonHeld = false;
    if (tool.Mode == PointerMode::RubberBand && state.View.RubberBand) {
        FinishBand(state, defs);
        report.PictureChanged = true;
    }
    if (tool.Mode == PointerMode::Moving && tool.ReduceOnRelease) ReduceToPrimary(state.Level);
    tool.ReduceOnRelease = false;
    if (tool.Mode == PointerMode::ExitPressed)
        tool.Mode = PointerMode::ExitEditing;
    else if (tool.Mode != PointerMode::ExitEditing)
        tool.Mode = PointerMode::Idle;
}

void RefreshHoverLabel(EditorState& state, const Catalogues& defs, bool always, ChangeReport& report) {
    PointerTool& tool = state.Tool;
    if (tool.ButtonHeld || report.Pointer.ToolTip) return;
    ToolTipFeedback tip;
    if (tool.LastPosition) {
        tip = HoverAt(state, defs, tool.LastPosition->X, tool.LastPosition->Y).Tip;
    } else {
        tip.Placement = ToolTipFeedback::Place::Hide;
        tip.Caption = std::string();
    }
    if (always || tip.Caption != tool.HoverCaption) ShowToolTip(tool, tip, report);
}

void PopupChoice(EditorState& state, int line, ChangeReport& report) {
    const PointerTool& tool = state.Tool;
    const bool usable = tool.PopupOpen && line >= 0 && line < static_cast<int>(tool.PopupLines.size());
    if (!usable) {
        ClosePopup(state, report);
        return;
    }
    const int chosen = tool.PopupLines[line].Index;
    const int topmost = tool.PopupLines.front().Index;
    ClosePopup(state, report);
    std::vector<LevelObject>& entries = state.Level.LevelObjects;
    // Lines taken before the level changed are ignored.
    if (chosen < 0 || topmost > state.Level.LastObjectIndex() || chosen > topmost) return;

    // The chosen entry takes the topmost one's index; those between move down.
    std::rotate(entries.begin() + chosen, entries.begin() + chosen + 1, entries.begin() + topmost + 1);
    // Members' indices no longer name what was selected.
    ReduceToPrimary(state.Level);
    report.PictureChanged = true;
}

}  // namespace tarnloft
