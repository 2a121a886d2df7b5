// The selection as a set: which entries are selected besides the primary
// one (LevelModel::SelectedObject), and the group rules that act on all of
// them at once: area selection, moving as one, removing, placing copies.
#pragma once
#include <vector>

#include "catalogue/catalogues.h"
#include "edit/editorstate.h"

namespace tarnloft {

bool IsSelected(const LevelModel& level, int index);
// The entries a group action acts on: the set, ascending.
const std::vector<int>& SelectedEntries(const LevelModel& level);
bool HasGroup(const LevelModel& level);  // more than one member

// Ctrl+click: adds `index` (it becomes the primary) or takes it out (the
// highest remaining member becomes the primary). The last member stays.
void ToggleMember(LevelModel& level, int index);
// Every entry; the primary stays.
void SelectAll(LevelModel& level);
// Only the primary.
void ReduceToPrimary(LevelModel& level);
// The members become `indices` (ascending); the primary stays if it is one
// of them, else it becomes the last of them. Nothing changes when empty.
void SelectMembers(LevelModel& level, std::vector<int> indices);

// Visible entries whose whole box lies inside the band (edges included),
// ascending; cross-section hidden ones are left out, as the pointer ignores them.
std::vector<int> EntriesInBand(const EditorState& state, const Catalogues& defs, const PixelBand& band);

// A shift in whole tiles.
struct TileShift {
    int X = 0;
    int Y = 0;
};
// The shift closest to `wanted` that keeps every one of `entries` (indices
// into the level) inside the level's tiles, so the group moves as one; of a
// group larger than the level, only the top-left is kept inside.
TileShift ClampGroupShift(const LevelModel& level, const std::vector<int>& entries, TileShift wanted);
// Moves every one of `entries` by `shift` (already clamped).
void ShiftEntries(LevelModel& level, const std::vector<int>& entries, TileShift shift);
// Places `items` (positions relative to their top-left tile) with that tile
// as near to `topLeft` as keeps them all inside the level's tiles, appends
// them and selects them (the last one primary).
void AppendGroup(LevelModel& level, std::vector<LevelObject> items, TileShift topLeft);
// Removes `entries` (ascending), keeping the order of the rest; the primary
// moves to the first removed position.
void RemoveEntries(LevelModel& level, const std::vector<int>& entries);

// The Editor's rule after every operation: members in range, the primary
// among them (else the set is the primary alone).
void SettleSelection(LevelModel& level);

}  // namespace tarnloft
