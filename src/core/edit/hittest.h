// What lies under the pointer on the drawing surface: item bodies, width and
// height handles, screen exit markers, and the popup of overlapping items.
// Pointer positions are fractional pixels of the surface, measured from its
// top-left corner; they may be negative or beyond the surface during a drag.
#pragma once
#include "catalogue/catalogues.h"
#include "edit/changereport.h"

namespace tarnloft {

struct TilePoint {
    int X = 0;
    int Y = 0;
};

// Tile column and row under the pointer: floor(pixel / Zoom) + scroll position,
// rounding toward minus infinity.
TilePoint PointerTile(const ViewState& view, double x, double y);

// Whether an entry has draggable handles at all (sprites and special objects
// have none; SizeMode 2 objects have only a height handle, SizeMode 1 only a
// width handle). Cross-section hiding is checked separately by the hit tests.
bool HasWidthHandle(const Catalogues& defs, const LevelObject& entry);
bool HasHeightHandle(const Catalogues& defs, const LevelObject& entry);

// Index into LevelObjects of the topmost visible entry whose body contains the
// pointer (walks the visible list from its end); -1 when none.
int FindObjectAt(const EditorState& state, const Catalogues& defs, double x, double y);
// Index of a visible object whose width / height handle lies within 5 pixels
// of the pointer (walks the visible list from its start, so the lowest index
// wins); -1 when none.
int FindWidthHandleAt(const EditorState& state, const Catalogues& defs, double x, double y);
int FindHeightHandleAt(const EditorState& state, const Catalogues& defs, double x, double y);
// Index into ScreenExits of the first exit whose marker (2 tiles wide, half a
// tile high, top-left of its screen) contains the pointer; -1 when none.
int FindScreenExitAt(const EditorState& state, double x, double y);

// Opens the popup with every item under the pointer, topmost first, placed
// at (x - 16, y - 16); closes it when nothing is there.
PopupFeedback FillObjectPopup(EditorState& state, const Catalogues& defs, double x, double y);

}  // namespace tarnloft
