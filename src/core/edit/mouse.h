// Mouse editing on the drawing surface: selecting, moving, resizing and
// duplicating items, the hover feedback (pointer shape, tooltip, position
// label) and the popup list that brings an overlapped item to the front.
#pragma once
#include <cstdint>

#include "catalogue/catalogues.h"
#include "edit/editorstate.h"

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

// A button went down on the surface at (x, y).
EditOutcome MousePress(EditorState& state, const Catalogues& defs, MouseButton button, double x, double y);
// The pointer moved; `held` is the button held (None when no button is down).
EditOutcome MouseMove(EditorState& state, const Catalogues& defs, MouseButton held, double x, double y);
// Any button went up.
EditOutcome MouseRelease(EditorState& state);
// A click on line `line` (0-based) of the popup list.
EditOutcome PopupChoice(EditorState& state, int line);

}  // namespace tarnloft
