#include "edit/mouse.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "edit/entrybytes.h"
#include "edit/hittest.h"
#include "util/hex.h"
#include "view/renderer.h"
#include "view/viewport.h"

namespace tarnloft {

namespace {

// Pixel positions of the floating controls are whole pixels; absurd or
// non-finite pointer values are kept inside int range.
int ToPixel(double value) {
    if (std::isnan(value)) return 0;
    return static_cast<int>(std::floor(std::clamp(value, -1e8, 1e8)));
}

// Nearest integer, ties to even (the default rounding mode).
int RoundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    return static_cast<int>(std::nearbyint(std::clamp(value, -1e8, 1e8)));
}

bool ValidSelection(const EditorState& state) {
    return state.Level.SelectedObject >= 0 && state.Level.SelectedObject <= state.Level.LastObjectIndex();
}

int ClampedFloorDiv(double pixels, int zoom) { return ToPixel(std::floor(pixels / (zoom > 0 ? zoom : 1))); }

void HidePopup(EditorState& state) { state.Popup.Top = HiddenPopupTop; }

void PressLeft(EditorState& state, const Catalogues& defs, double x, double y) {
    if (state.Mode == PointerMode::SCX) {
        // A press while the exit editor is open only closes it.
        state.Mode = PointerMode::NON;
        state.View.Toggles.ScreenExitMode = false;
        state.ScreenExitFrameShown = false;
        return;
    }
    if (state.Mode == PointerMode::SCR) return;

    LevelModel& level = state.Level;
    const int body = FindObjectAt(state, defs, x, y);
    if (body >= 0) {
        state.Mode = PointerMode::MOV;
        level.SelectedObject = body;
        const LevelObject& entry = level.LevelObjects[body];
        state.GrabOffsetX =
            RoundHalfEven(x - static_cast<double>(entry.X - state.View.H.Value) * state.View.Zoom);
        state.GrabOffsetY =
            RoundHalfEven(y - static_cast<double>(entry.Y - state.View.V.Value) * state.View.Zoom);
    }
    const int widthHandle = FindWidthHandleAt(state, defs, x, y);
    if (widthHandle >= 0) {
        level.SelectedObject = widthHandle;
        state.Mode = PointerMode::RSX;
    }
    const int heightHandle = FindHeightHandleAt(state, defs, x, y);
    if (heightHandle >= 0) {
        level.SelectedObject = heightHandle;
        state.Mode = PointerMode::RSY;
    }
    // The corner: both extents follow the pointer; the selection stays on the
    // height-handle entry.
    if (widthHandle >= 0 && heightHandle >= 0) state.Mode = PointerMode::RSA;

    const int exitIndex = FindScreenExitAt(state, x, y);
    if (exitIndex >= 0) {
        state.Mode = PointerMode::SCR;
        state.ScreenExitFrameShown = true;
        state.View.Toggles.ScreenExitMode = true;
        level.SelectedScreenExit = exitIndex;
        state.ScreenExitFrameEnabled = true;
    }
}

// Drops a copy of the selected entry on the tile under the pointer. The
// position is clamped to what the record can hold.
void Duplicate(EditorState& state, const Catalogues& defs, double x, double y) {
    if (!ValidSelection(state)) return;
    LevelModel& level = state.Level;
    LevelObject copy = level.LevelObjects[level.SelectedObject];
    const TilePoint tile = PointerTile(state.View, x, y);
    copy.X = static_cast<uint8_t>(std::clamp(tile.X, 0, 255));
    copy.Y = static_cast<uint8_t>(std::clamp(tile.Y, 0, copy.IsSprite ? 127 : 255));
    level.LevelObjects.push_back(copy);
    CountEntryBytes(level, defs, copy, +1);
    HidePopup(state);
    RebuildVisibleList(state.View, level);
}

std::string ExitCaption(const ScreenExit& exit) {
    return "Screen exit to " + Hex(exit.Destination) + ", Entrance type: " + Hex(exit.EntranceType) +
           ", Entrance at (" + Hex(exit.EntranceX) + "," + Hex(exit.EntranceY) + ")";
}

void Hover(EditorState& state, const Catalogues& defs, double x, double y) {
    const bool stationary = state.View.Toggles.Stationary;
    ToolTipState& tip = state.ToolTip;
    auto placeTip = [&] {
        if (stationary) return;
        tip.Left = ToPixel(x) + 16;
        tip.Top = ToPixel(y) - 32;
    };

    const int body = FindObjectAt(state, defs, x, y);
    if (body < 0) {
        if (!stationary) tip.Top = HiddenToolTipTop;
        tip.Caption.clear();
    } else {
        state.Shape = PointerShape::Move;
        placeTip();
        tip.Caption = ObjectLabel(state.Level, defs, body, true);
    }

    const int exitIndex = FindScreenExitAt(state, x, y);
    if (exitIndex >= 0) {
        state.Shape = PointerShape::Cross;
        placeTip();
        tip.Caption = ExitCaption(state.Level.ScreenExits[exitIndex]);
    }

    const bool onWidth = FindWidthHandleAt(state, defs, x, y) >= 0;
    const bool onHeight = FindHeightHandleAt(state, defs, x, y) >= 0;
    if (onWidth) state.Shape = PointerShape::SizeWE;
    if (onHeight) state.Shape = PointerShape::SizeNS;
    if (onWidth && onHeight) state.Shape = PointerShape::SizeNWSE;

    HidePopup(state);
}

bool Drag(EditorState& state, const Catalogues& defs, double x, double y) {
    const PointerMode mode = state.Mode;
    if (mode != PointerMode::RSX && mode != PointerMode::RSY && mode != PointerMode::RSA &&
        mode != PointerMode::MOV)
        return false;
    if (!ValidSelection(state)) return false;
    LevelObject& entry = state.Level.LevelObjects[state.Level.SelectedObject];
    const TilePoint tile = PointerTile(state.View, x, y);

    if (mode == PointerMode::RSA || mode == PointerMode::RSY)
        entry.Height = ClampDraggedExtent(defs, entry, tile.Y - entry.Y, Axis::Vertical);
    if (mode == PointerMode::RSX || mode == PointerMode::RSA)
        entry.Width = ClampDraggedExtent(defs, entry, tile.X - entry.X, Axis::Horizontal);
    if (mode == PointerMode::MOV) {
        const int column = ClampedFloorDiv(x - state.GrabOffsetX, state.View.Zoom) + state.View.H.Value;
        const int row = ClampedFloorDiv(y - state.GrabOffsetY, state.View.Zoom) + state.View.V.Value;
        entry.X = static_cast<uint8_t>(std::clamp(column, 0, 255));
        entry.Y = static_cast<uint8_t>(std::clamp(row, 0, 127));
    }
    return true;
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

EditOutcome MousePress(EditorState& state, const Catalogues& defs, MouseButton button, double x, double y) {
    EditOutcome outcome;
    switch (button) {
        case MouseButton::Left:
            PressLeft(state, defs, x, y);
            break;
        case MouseButton::Right:
            FillObjectPopup(state, defs, x, y);
            break;
        case MouseButton::Middle:
            if (!state.InScreenExitMode()) Duplicate(state, defs, x, y);
            break;
        default:
            break;
    }
    outcome.Repaint = true;
    return outcome;
}

EditOutcome MouseMove(EditorState& state, const Catalogues& defs, MouseButton held, double x, double y) {
    EditOutcome outcome;
    state.Shape = PointerShape::Arrow;
    const TilePoint tile = PointerTile(state.View, x, y);
    state.MousePos = "(" + Hex32(tile.X) + "," + Hex32(tile.Y) + ")";

    if (held == MouseButton::None) Hover(state, defs, x, y);
    if (held == MouseButton::Left && Drag(state, defs, x, y)) outcome.Repaint = true;

    if (state.View.Toggles.Stationary) {
        state.ToolTip.Left = 0;
        state.ToolTip.Top = state.View.SurfaceHeight - 16;
    }
    return outcome;
}

EditOutcome MouseRelease(EditorState& state) {
    // SCR becomes SCX. SCX itself is only left by a left press or the menu,
    // so the mode stays in step with the menu tick and the shown editor.
    if (state.Mode == PointerMode::SCR)
        state.Mode = PointerMode::SCX;
    else if (state.Mode != PointerMode::SCX)
        state.Mode = PointerMode::NON;
    return EditOutcome{};
}

EditOutcome PopupChoice(EditorState& state, int line) {
    EditOutcome outcome;
    const PopupState& popup = state.Popup;
    const bool usable = popup.Shown() && line >= 0 && line < static_cast<int>(popup.Lines.size());
    if (!usable) {
        HidePopup(state);
        return outcome;
    }
    const int chosen = popup.Lines[line].Index;
    const int topmost = popup.Lines.front().Index;
    HidePopup(state);
    std::vector<LevelObject>& entries = state.Level.LevelObjects;
    // Lines taken before the level changed are ignored.
    if (chosen < 0 || topmost > state.Level.LastObjectIndex() || chosen > topmost) return outcome;

    // The chosen entry takes the topmost one's index; those between move down.
    std::rotate(entries.begin() + chosen, entries.begin() + chosen + 1, entries.begin() + topmost + 1);
    RebuildVisibleList(state.View, state.Level);
    outcome.Repaint = true;
    return outcome;
}

}  // namespace tarnloft
