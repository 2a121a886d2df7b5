// Screen exit editing: switching Screen Exit mode, adding, removing and
// moving exits, stepping through them, and the four text boxes of the
// Screen Exit Editor.
#pragma once
#include <string>

#include "edit/editorstate.h"

namespace tarnloft {

inline constexpr const char* ExitsGoneTitle = "Tarnloft";
inline constexpr const char* ExitsGoneText = "All screen exits deleted";

// The text boxes of the editor, each bound to one field of the selected exit.
enum class ExitField { Destination, EntranceX, EntranceY, EntranceType };

// Click on "Screen Exit mode": switches by the menu tick (View.Toggles.ScreenExitMode).
EditOutcome ToggleScreenExitMode(EditorState& state);

// Create, Remove and Clear while Screen Exit mode is on.
EditOutcome CreateExit(EditorState& state);
EditOutcome RemoveExit(EditorState& state);
EditOutcome ClearExits(EditorState& state);

// cmdMoveScreen(index): 0 right, 1 up, 2 left, 3 down. A move that would
// leave screens 0..15 or reach column 15 row 15 is ignored.
EditOutcome MoveExit(EditorState& state, int index);
// ">", "<" and "Goto" of the editor.
EditOutcome ExitNext(EditorState& state);
EditOutcome ExitPrevious(EditorState& state);
EditOutcome ExitGoto(EditorState& state);

// The text of a box changed: texts shorter than 3 characters are read as hex
// and stored in the selected exit; longer texts change nothing.
EditOutcome StoreExitField(EditorState& state, ExitField field, const std::string& text);

// A click on a line of lstDestinationLevels / lstEntranceTypes with item data
// `value`: stores the field and returns the text to put into its box.
std::string PickDestination(EditorState& state, int value);
std::string PickEntranceType(EditorState& state, int value);

}  // namespace tarnloft
