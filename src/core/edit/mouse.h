// Mouse editing steps of the Editor: selecting (several items by Ctrl+click
// or a rubber band), moving, resizing and duplicating items, the hover
// feedback (pointer shape, tooltip, position text) and the popup list that
// brings an overlapped item to the front.
// Called by Editor only, which settles the invariants afterwards.
#pragma once
#include <cstdint>

#include "catalogue/catalogues.h"
#include "edit/changereport.h"

namespace tarnloft {

enum class Axis { Horizontal, Vertical };

// Turns a dragged extent (tiles from the anchor to the pointer) into one the
// object stream can store for this entry's axis:
//  - nibble axis (four-byte object, axis not named by SizeMode): 1..16;
//  - whole-byte axis: 1..128 or -129..-2 (-127..-2 for five-byte objects);
//    0 becomes 1 and -1 becomes -2 (the pointer went past the anchor).
// Entries without a size on that axis (sprites, specials, undefined numbers)
// keep their current extent.
int16_t ClampDraggedExtent(const Catalogues& defs, const LevelObject& entry, int extent, Axis axis);

// A button went down on the surface at (x, y), with `keys` held.
void MousePress(EditorState& state, const Catalogues& defs, MouseButton button, double x, double y,
                PressKeys keys, ChangeReport& report);
// The pointer moved; `held` is the button held (None when no button is down).
void MouseMove(EditorState& state, const Catalogues& defs, MouseButton held, double x, double y,
               ChangeReport& report);
// Any button went up.
void MouseRelease(EditorState& state, const Catalogues& defs, ChangeReport& report);
// A click on line `line` (0-based) of the popup list.
void PopupChoice(EditorState& state, int line, ChangeReport& report);

// Closes the popup (its lines name entries that may have moved).
void ClosePopup(EditorState& state, ChangeReport& report);

// The hover label again for what lies under a still pointer, after the level
// or the view changed beneath it: hidden when nothing is there any more. It
// reports only a label that differs from the one shown, unless `always`.
void RefreshHoverLabel(EditorState& state, const Catalogues& defs, bool always, ChangeReport& report);

}  // namespace tarnloft
