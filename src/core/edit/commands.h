// Command steps of the Editor on the level's entries as a whole: create from
// the catalogue list, remove, clear, go to / step through the selection, and
// the arrow keys. While Screen Exit mode is on, Create, Remove and Clear act
// on screen exits. Called by Editor only, which settles the invariants.
#pragma once
#include <optional>
#include <vector>

#include "catalogue/catalogues.h"
#include "edit/changereport.h"

namespace tarnloft {

// "&Create": selectedEntryValue is the value of the selected catalogue line
// (0..255 object, 256..511 special, 512..1023 sprite), nullopt when no line
// is selected.
void CreateItem(EditorState& state, const Catalogues& defs, std::optional<int> selectedEntryValue,
                ChangeReport& report);
// "&Remove" and the Delete key: every selected entry.
void RemoveItem(EditorState& state, ChangeReport& report);
// "&Paste": `items` hold positions relative to their top-left tile, which
// lands on the tile under `pointer` (else the view's top-left tile) as near
// as the level's tiles allow; they are appended and become the selection.
// An item the definition files do not define refuses the whole paste.
void PasteItems(EditorState& state, const Catalogues& defs, std::vector<LevelObject> items,
                std::optional<PointerPosition> pointer, ChangeReport& report);
// "Yes, I'm sure": removes all entries but one (or all screen exits).
void ClearLevel(EditorState& state, ChangeReport& report);
// "&Goto": centres the view on the selected entry as far as the scroll range allows.
void GotoObject(EditorState& state, ChangeReport& report);
// "&>" and "&<": step the selection, then Goto.
void NextObject(EditorState& state, ChangeReport& report);
void PreviousObject(EditorState& state, ChangeReport& report);

// Scrolls the view one tile; nothing at either end of the scroll range.
void ArrowKey(EditorState& state, ArrowDirection direction, ChangeReport& report);

}  // namespace tarnloft
