// Commands on the level's entries as a whole: create from the catalogue
// list, remove, clear, go to / step through the selection, and the keys.
// While Screen Exit mode is on, Create, Remove and Clear act on screen exits.
#pragma once
#include <optional>

#include "catalogue/catalogues.h"
#include "edit/editorstate.h"

namespace tarnloft {

// Title and text of the messages these commands report.
inline constexpr const char* SpecialNudgeTitle = "Tarnloft - Subtle nudge towards feature usage";
inline constexpr const char* SpecialNudgeText =
    "You should add special objects using the options below with the prefix 'S'";
inline constexpr const char* NoSelectionTitle = "Tarnloft - User error";
inline constexpr const char* NoSelectionText = "Please select an object before attempting to add one";
inline constexpr const char* LastEntryTitle = "Tarnloft - Stopping crashes before they happen";
inline constexpr const char* LastEntryText =
    "Cannot delete every object in level.\r\n(It wouldn't have anything to hold it up, and it'd fall down)";

// "&Create": selectedEntryValue is the value of the selected catalogue line
// (0..255 object, 256..511 special, 512..1023 sprite), nullopt when no line
// is selected.
EditOutcome CreateItem(EditorState& state, const Catalogues& defs, std::optional<int> selectedEntryValue);
// "&Remove" and the Delete key.
EditOutcome RemoveItem(EditorState& state, const Catalogues& defs);
// "Yes, I'm sure": removes all entries but one (or all screen exits).
EditOutcome ClearLevel(EditorState& state, const Catalogues& defs);
// "&Goto": centres the view on the selected entry as far as the scroll range allows.
EditOutcome GotoObject(EditorState& state);
// "&>" and "&<": step the selection, then Goto.
EditOutcome NextObject(EditorState& state);
EditOutcome PreviousObject(EditorState& state);

enum class ArrowDirection { Left, Up, Right, Down };
// Scrolls the view one tile; nothing at either end of the scroll range.
EditOutcome ArrowKey(EditorState& state, ArrowDirection direction);

// Key codes the surface passes on: Delete 46, arrows 37 (left) to 40 (down).
inline constexpr int KeyDelete = 46;
inline constexpr int KeyLeft = 37;
inline constexpr int KeyUp = 38;
inline constexpr int KeyRight = 39;
inline constexpr int KeyDown = 40;
// The main window's key handler: Delete removes, the arrows scroll, other keys do nothing.
EditOutcome KeyPressed(EditorState& state, const Catalogues& defs, int keyCode);

}  // namespace tarnloft
