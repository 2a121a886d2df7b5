#include "edit/commands.h"

#include <algorithm>
#include <cmath>

#include "catalogue/cataloguelist.h"
#include "edit/entrybytes.h"
#include "edit/screenexits.h"
#include "view/viewport.h"

namespace tarnloft {

namespace {

inline constexpr int LastEntryValue = SpriteEntryBase + 511;

void ClampSelection(LevelModel& level) {
    level.SelectedObject = std::clamp(level.SelectedObject, 0, std::max(0, level.LastObjectIndex()));
}

LevelObject NewEntry(const Catalogues& defs, int value) {
    LevelObject entry;
    if (value < SpecialEntryBase) {
        entry.Number = static_cast<uint8_t>(value);
    } else if (value < SpriteEntryBase) {
        const SpecialObjectDef& special = defs.SpecialObjectDefs[value - SpecialEntryBase];
        entry.SubNumber = static_cast<uint8_t>(value - SpecialEntryBase);
        entry.Width = special.Width == 0 ? 1 : special.Width;
        entry.Height = special.Height == 0 ? 1 : special.Height;
    } else {
        const int sprite = value - SpriteEntryBase;
        entry.Number = static_cast<uint8_t>(sprite % 256);
        entry.SubNumber = sprite > 255 ? 1 : 0;
        entry.IsSprite = true;
    }
    return entry;
}

// One removal; false (with the message) when it would leave the level empty.
bool RemoveSelected(EditorState& state, const Catalogues& defs, EditOutcome& outcome) {
    LevelModel& level = state.Level;
    if (level.LastObjectIndex() < 1) {
        outcome.Messages.push_back(Message{LastEntryTitle, LastEntryText});
        return false;
    }
    ClampSelection(level);
    const auto at = level.LevelObjects.begin() + level.SelectedObject;
    CountEntryBytes(level, defs, *at, -1);
    level.LevelObjects.erase(at);
    if (level.SelectedObject > level.LastObjectIndex()) level.SelectedObject = level.LastObjectIndex();
    // The popup's lines name entries that may have moved.
    state.Popup.Top = HiddenPopupTop;
    return true;
}

// Scroll position that centres tile `tile` on a surface `pixels` wide; ties to even.
int CentredScroll(int tile, int pixels, int zoom) {
    const double centred = tile - static_cast<double>(pixels) / (2.0 * (zoom > 0 ? zoom : 1));
    return static_cast<int>(std::nearbyint(std::clamp(centred, -1e8, 1e8)));
}

void SetScroll(ScrollBarState& bar, int value, EditOutcome& outcome) {
    // A bar whose maximum lies below 0 is disabled and stays at 0.
    value = std::max(0, std::min(value, bar.Maximum));
    if (SetScrollValue(bar, value)) {
        outcome.ScrollChanged = true;
        outcome.Repaint = true;
    }
}

}  // namespace

EditOutcome CreateItem(EditorState& state, const Catalogues& defs, std::optional<int> selectedEntryValue) {
    if (state.InScreenExitMode()) return CreateExit(state);
    EditOutcome outcome;
    if (selectedEntryValue && *selectedEntryValue == 0) {
        outcome.Messages.push_back(Message{SpecialNudgeTitle, SpecialNudgeText});
        return outcome;
    }
    if (!selectedEntryValue) {
        outcome.Messages.push_back(Message{NoSelectionTitle, NoSelectionText});
        return outcome;
    }
    const int value = *selectedEntryValue;
    // The catalogue list never holds other values.
    if (value < 0 || value > LastEntryValue) return outcome;

    LevelModel& level = state.Level;
    LevelObject entry = NewEntry(defs, value);
    // The view may show the area outside the level; keep what the record can hold.
    entry.X = static_cast<uint8_t>(std::clamp(state.View.H.Value, 0, 255));
    entry.Y = static_cast<uint8_t>(std::clamp(state.View.V.Value, 0, entry.IsSprite ? 127 : 255));
    level.LevelObjects.push_back(entry);
    CountEntryBytes(level, defs, entry, +1);
    if (!entry.IsSprite) level.SelectedObject = level.LastObjectIndex();
    state.Popup.Top = HiddenPopupTop;

    RebuildVisibleList(state.View, level);
    outcome.Repaint = true;
    return outcome;
}

EditOutcome RemoveItem(EditorState& state, const Catalogues& defs) {
    if (state.InScreenExitMode()) return RemoveExit(state);
    EditOutcome outcome;
    if (RemoveSelected(state, defs, outcome)) {
        RebuildVisibleList(state.View, state.Level);
        outcome.Repaint = true;
    }
    return outcome;
}

EditOutcome ClearLevel(EditorState& state, const Catalogues& defs) {
    if (state.InScreenExitMode()) return ClearExits(state);
    EditOutcome outcome;
    bool removed = false;
    do {
        removed = RemoveSelected(state, defs, outcome) || removed;
    } while (state.Level.LastObjectIndex() > 0);
    if (removed) {
        RebuildVisibleList(state.View, state.Level);
        outcome.Repaint = true;
    }
    return outcome;
}

EditOutcome GotoObject(EditorState& state) {
    EditOutcome outcome;
    LevelModel& level = state.Level;
    ViewState& view = state.View;
    if (level.LastObjectIndex() >= 0) {
        ClampSelection(level);
        const LevelObject& entry = level.LevelObjects[level.SelectedObject];
        SetScroll(view.H, CentredScroll(entry.X, view.SurfaceWidth, view.Zoom), outcome);
        SetScroll(view.V, CentredScroll(entry.Y, view.SurfaceHeight, view.Zoom), outcome);
    }
    RebuildVisibleList(view, level);
    return outcome;
}

EditOutcome NextObject(EditorState& state) {
    LevelModel& level = state.Level;
    if (level.SelectedObject < level.LastObjectIndex()) ++level.SelectedObject;
    ClampSelection(level);
    EditOutcome outcome = GotoObject(state);
    outcome.Repaint = true;
    return outcome;
}

EditOutcome PreviousObject(EditorState& state) {
    LevelModel& level = state.Level;
    if (level.SelectedObject > 0) --level.SelectedObject;
    ClampSelection(level);
    EditOutcome outcome = GotoObject(state);
    outcome.Repaint = true;
    return outcome;
}

EditOutcome ArrowKey(EditorState& state, ArrowDirection direction) {
    EditOutcome outcome;
    ViewState& view = state.View;
    const bool horizontal = direction == ArrowDirection::Left || direction == ArrowDirection::Right;
    const int step = (direction == ArrowDirection::Left || direction == ArrowDirection::Up) ? -1 : 1;
    ScrollBarState& bar = horizontal ? view.H : view.V;
    const int target = bar.Value + step;
    // At either end of the range the key does nothing.
    if (target < 0 || target > bar.Maximum) return outcome;
    if (SetScrollValue(bar, target)) {
        RebuildVisibleList(view, state.Level);
        outcome.ScrollChanged = true;
        outcome.Repaint = true;
    }
    return outcome;
}

EditOutcome KeyPressed(EditorState& state, const Catalogues& defs, int keyCode) {
    switch (keyCode) {
        case KeyDelete:
            return RemoveItem(state, defs);
        case KeyLeft:
            return ArrowKey(state, ArrowDirection::Left);
        case KeyUp:
            return ArrowKey(state, ArrowDirection::Up);
        case KeyRight:
            return ArrowKey(state, ArrowDirection::Right);
        case KeyDown:
            return ArrowKey(state, ArrowDirection::Down);
        default:
            return EditOutcome{};
    }
}

}  // namespace tarnloft
