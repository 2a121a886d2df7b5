#include "edit/selection.h"

#include <algorithm>
#include <limits>

#include "view/renderer.h"
#include "view/viewport.h"

namespace tarnloft {

namespace {

// The level's tiles: where a move drag keeps an entry.
constexpr int MaxColumn = LastLevelColumn;
constexpr int MaxRow = LastLevelRow;

struct Extent {
    int MinX = std::numeric_limits<int>::max(), MinY = std::numeric_limits<int>::max();
    int MaxX = std::numeric_limits<int>::min(), MaxY = std::numeric_limits<int>::min();
    void Add(int x, int y) {
        MinX = std::min(MinX, x);
        MinY = std::min(MinY, y);
        MaxX = std::max(MaxX, x);
        MaxY = std::max(MaxY, y);
    }
};

// The shift on one axis of a group spanning min..max, closest to `wanted`
// within 0..last; when the group is too large to fit, its top-left still
// follows `wanted` inside and the rest is clamped entry by entry.
int ClampShift(int wanted, int min, int max, int last) {
    const bool fits = max - min <= last;
    return std::clamp(wanted, -min, last - (fits ? max : min));
}

uint8_t PlaceOnAxis(int position, int last) { return static_cast<uint8_t>(std::clamp(position, 0, last)); }

}  // namespace

bool IsSelected(const LevelModel& level, int index) {
    return std::binary_search(level.Selection.begin(), level.Selection.end(), index);
}

const std::vector<int>& SelectedEntries(const LevelModel& level) { return level.Selection; }

bool HasGroup(const LevelModel& level) { return level.Selection.size() > 1; }

void ToggleMember(LevelModel& level, int index) {
    if (!level.HoldsEntry(index)) return;
    std::vector<int>& set = level.Selection;
    const auto at = std::lower_bound(set.begin(), set.end(), index);
    if (at == set.end() || *at != index) {
        set.insert(at, index);
        level.SelectedObject = index;
        return;
    }
    if (set.size() == 1) return;
    set.erase(at);
    if (level.SelectedObject == index) level.SelectedObject = set.back();
}

void SelectAll(LevelModel& level) {
    level.Selection.resize(level.LevelObjects.size());
    for (size_t i = 0; i < level.Selection.size(); ++i) level.Selection[i] = static_cast<int>(i);
}

void ReduceToPrimary(LevelModel& level) { level.Selection.clear(); }

void SelectMembers(LevelModel& level, std::vector<int> indices) {
    if (indices.empty()) return;
    if (!std::binary_search(indices.begin(), indices.end(), level.SelectedObject))
        level.SelectedObject = indices.back();
    level.Selection = std::move(indices);
}

std::vector<int> EntriesInBand(const EditorState& state, const Catalogues& defs, const PixelBand& band) {
    const double left = std::min(band.X1, band.X2), right = std::max(band.X1, band.X2);
    const double top = std::min(band.Y1, band.Y2), bottom = std::max(band.Y1, band.Y2);
    std::vector<int> inside;
    for (int index : state.View.VisibleObjects) {
        if (!state.Level.HoldsEntry(index) || IsCrossSectionHidden(state.View, state.Level, defs, index))
            continue;
        const TileBounds b = ItemBounds(state.Level.LevelObjects[index]);
        if (left <= Px(state.View, b.Left) && Px(state.View, b.Right) <= right &&
            top <= Py(state.View, b.Top) && Py(state.View, b.Bottom) <= bottom)
            inside.push_back(index);
    }
    return inside;
}

TileShift ClampGroupShift(const LevelModel& level, const std::vector<int>& entries, TileShift wanted) {
    Extent e;
    for (int index : entries) {
        const LevelObject& entry = level.LevelObjects[index];
        e.Add(entry.X, entry.Y);
    }
    if (entries.empty()) return {};
    return TileShift{ClampShift(wanted.X, e.MinX, e.MaxX, MaxColumn),
                     ClampShift(wanted.Y, e.MinY, e.MaxY, MaxRow)};
}

void ShiftEntries(LevelModel& level, const std::vector<int>& entries, TileShift shift) {
    for (int index : entries) {
        LevelObject& entry = level.LevelObjects[index];
        entry.X = PlaceOnAxis(entry.X + shift.X, MaxColumn);
        entry.Y = PlaceOnAxis(entry.Y + shift.Y, MaxRow);
    }
}

void AppendGroup(LevelModel& level, std::vector<LevelObject> items, TileShift topLeft) {
    if (items.empty()) return;
    Extent e;
    for (const LevelObject& item : items) e.Add(item.X, item.Y);
    const TileShift shift{ClampShift(topLeft.X - e.MinX, e.MinX, e.MaxX, MaxColumn),
                          ClampShift(topLeft.Y - e.MinY, e.MinY, e.MaxY, MaxRow)};
    const int first = static_cast<int>(level.LevelObjects.size());
    std::vector<int> added;
    added.reserve(items.size());
    for (LevelObject& item : items) {
        item.X = PlaceOnAxis(item.X + shift.X, MaxColumn);
        item.Y = PlaceOnAxis(item.Y + shift.Y, MaxRow);
        added.push_back(first + static_cast<int>(added.size()));
        level.LevelObjects.push_back(item);
    }
    level.SelectedObject = added.back();
    level.Selection = std::move(added);
}

void RemoveEntries(LevelModel& level, const std::vector<int>& entries) {
    if (entries.empty()) return;
    std::vector<LevelObject>& all = level.LevelObjects;
    size_t kept = static_cast<size_t>(entries.front());
    size_t next = 0;
    for (size_t i = kept; i < all.size(); ++i) {
        if (next < entries.size() && static_cast<size_t>(entries[next]) == i) {
            ++next;
            continue;
        }
        all[kept++] = all[i];
    }
    all.resize(kept);
    level.SelectedObject = entries.front();
    level.Selection.clear();
}

void SettleSelection(LevelModel& level) {
    std::vector<int>& set = level.Selection;
    while (!set.empty() && set.back() > level.LastObjectIndex()) set.pop_back();
    if (level.LevelObjects.empty()) {
        set.clear();
    } else if (!IsSelected(level, level.SelectedObject)) {
        set.assign(1, level.SelectedObject);
    }
}

}  // namespace tarnloft
