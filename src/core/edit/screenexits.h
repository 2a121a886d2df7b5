// Screen exit steps of the Editor: switching Screen Exit mode, adding,
// removing and moving exits, stepping through them, and the four text boxes
// of the Screen Exit Editor. Called by Editor only, which settles the
// invariants afterwards.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "edit/changereport.h"

namespace tarnloft {

// Click on "Screen Exit mode": switches the mode on or off.
void ToggleScreenExitMode(EditorState& state, ChangeReport& report);

// Create, Remove and Clear while Screen Exit mode is on.
void CreateExit(EditorState& state, ChangeReport& report);
void RemoveExit(EditorState& state, ChangeReport& report);
void ClearExits(EditorState& state, ChangeReport& report);

// cmdMoveScreen: moves the selected exit one screen. A move that would
// leave screens 0..15 or reach column 15 row 15 is ignored.
void MoveExit(EditorState& state, ArrowDirection direction, ChangeReport& report);
// ">", "<" and "Goto" of the editor.
void ExitNext(EditorState& state, ChangeReport& report);
void ExitPrevious(EditorState& state, ChangeReport& report);
void ExitGoto(EditorState& state, ChangeReport& report);

// The value an exit box's text stands for: read as hex when shorter than 3
// characters; nothing for longer texts, which store nothing.
std::optional<uint8_t> ExitBoxValue(const std::string& text);

// The text of a box changed: stores its value (if any) in the selected exit.
void StoreExitField(EditorState& state, ExitField field, const std::string& text, ChangeReport& report);

// A click on a line of lstDestinationLevels / lstEntranceTypes with item data
// `value`: stores the field; the report carries the text to put into its box.
void PickExitValue(EditorState& state, ExitField field, int value, ChangeReport& report);

}  // namespace tarnloft
