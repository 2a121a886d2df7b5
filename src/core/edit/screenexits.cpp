#include "edit/screenexits.h"

#include <algorithm>

#include "util/hex.h"
#include "view/viewport.h"

namespace tarnloft {

namespace {

inline constexpr int LastScreen = 15;

bool HasSelectedExit(const LevelModel& level) {
    return level.SelectedScreenExit >= 0 && level.SelectedScreenExit <= level.LastScreenExit();
}

// Column 15 row 15 would be stored as 0xFF, which ends the exit list.
bool StorableScreen(int column, int row) {
    return column >= 0 && column <= LastScreen && row >= 0 && row <= LastScreen &&
           !(column == LastScreen && row == LastScreen);
}

// After ShowScreenExitInfo has filled the boxes, the editor frame is enabled.
void NoteExitInfo(EditorState& state, EditOutcome& outcome) {
    outcome.ShowExitInfo = true;
    if (HasSelectedExit(state.Level)) state.ScreenExitFrameEnabled = true;
}

bool RemoveSelectedExit(EditorState& state, EditOutcome& outcome) {
    LevelModel& level = state.Level;
    if (level.LastScreenExit() == -1) {
        outcome.Messages.push_back(Message{ExitsGoneTitle, ExitsGoneText});
        return false;
    }
    level.SelectedScreenExit = std::clamp(level.SelectedScreenExit, 0, level.LastScreenExit());
    level.ScreenExits.erase(level.ScreenExits.begin() + level.SelectedScreenExit);
    level.ObjectBytesUsed -= 5;
    if (level.SelectedScreenExit > level.LastScreenExit()) level.SelectedScreenExit = level.LastScreenExit();
    if (level.LastScreenExit() == -1) state.ScreenExitFrameEnabled = false;
    return true;
}

uint8_t& FieldOf(ScreenExit& exit, ExitField field) {
    switch (field) {
        case ExitField::Destination:
            return exit.Destination;
        case ExitField::EntranceX:
            return exit.EntranceX;
        case ExitField::EntranceY:
            return exit.EntranceY;
        case ExitField::EntranceType:
        default:
            return exit.EntranceType;
    }
}

// Characters, not bytes: a UTF-8 continuation byte does not start one.
size_t CharacterCount(const std::string& text) {
    return static_cast<size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Pick(EditorState& state, ExitField field, int value) {
    const std::string text = value < 0 ? Hex32(value) : Hex(static_cast<uint64_t>(value));
    StoreExitField(state, field, text);
    return text;
}

}  // namespace

EditOutcome ToggleScreenExitMode(EditorState& state) {
    EditOutcome outcome;
    LevelModel& level = state.Level;
    if (!state.View.Toggles.ScreenExitMode) {
        state.View.Toggles.ScreenExitMode = true;
        state.Mode = PointerMode::SCX;
        state.ScreenExitFrameShown = true;
        level.SelectedScreenExit = level.LastScreenExit() >= 0 ? 0 : -1;
        NoteExitInfo(state, outcome);
    } else {
        state.View.Toggles.ScreenExitMode = false;
        state.Mode = PointerMode::NON;
        state.ScreenExitFrameShown = false;
    }
    return outcome;
}

EditOutcome CreateExit(EditorState& state) {
    EditOutcome outcome;
    LevelModel& level = state.Level;
    ScreenExit exit;
    // The screen holding the view's top-left tile; a view beyond the level
    // is brought back to a screen the exit list can hold.
    int column = std::clamp(state.View.H.Value / 16, 0, LastScreen);
    int row = std::clamp(state.View.V.Value / 16, 0, LastScreen);
    if (!StorableScreen(column, row)) row = LastScreen - 1;
    exit.ScreenX = static_cast<uint8_t>(column);
    exit.ScreenY = static_cast<uint8_t>(row);
    level.ScreenExits.push_back(exit);
    level.SelectedScreenExit = level.LastScreenExit();
    level.ObjectBytesUsed += 5;

    RebuildVisibleList(state.View, level);
    outcome.Repaint = true;
    NoteExitInfo(state, outcome);
    return outcome;
}

EditOutcome RemoveExit(EditorState& state) {
    EditOutcome outcome;
    if (RemoveSelectedExit(state, outcome)) {
        RebuildVisibleList(state.View, state.Level);
        outcome.Repaint = true;
        NoteExitInfo(state, outcome);
    }
    return outcome;
}

EditOutcome ClearExits(EditorState& state) {
    EditOutcome outcome;
    bool removed = false;
    do {
        removed = RemoveSelectedExit(state, outcome) || removed;
    } while (state.Level.LastScreenExit() != -1);
    if (removed) {
        RebuildVisibleList(state.View, state.Level);
        outcome.Repaint = true;
        NoteExitInfo(state, outcome);
    }
    return outcome;
}

EditOutcome MoveExit(EditorState& state, int index) {
    EditOutcome outcome;
    LevelModel& level = state.Level;
    if (!HasSelectedExit(level)) return outcome;
    ScreenExit& exit = level.ScreenExits[level.SelectedScreenExit];
    int column = exit.ScreenX;
    int row = exit.ScreenY;
    switch (index) {
        case 0:
            ++column;
            break;
        case 1:
            --row;
            break;
        case 2:
            --column;
            break;
        case 3:
            ++row;
            break;
        default:
            return outcome;
    }
    if (!StorableScreen(column, row)) return outcome;
    exit.ScreenX = static_cast<uint8_t>(column);
    exit.ScreenY = static_cast<uint8_t>(row);
    outcome.Repaint = true;
    NoteExitInfo(state, outcome);
    return outcome;
}

EditOutcome ExitGoto(EditorState& state) {
    EditOutcome outcome;
    LevelModel& level = state.Level;
    if (!HasSelectedExit(level)) return outcome;
    const ScreenExit& exit = level.ScreenExits[level.SelectedScreenExit];
    ViewState& view = state.View;
    bool changed = SetScrollValue(view.H, std::max(0, std::min(16 * exit.ScreenX, view.H.Maximum)));
    changed = SetScrollValue(view.V, std::max(0, std::min(16 * exit.ScreenY, view.V.Maximum))) || changed;
    RebuildVisibleList(view, level);
    NoteExitInfo(state, outcome);
    if (changed) {
        outcome.ScrollChanged = true;
        outcome.Repaint = true;
    }
    return outcome;
}

EditOutcome ExitNext(EditorState& state) {
    LevelModel& level = state.Level;
    if (level.SelectedScreenExit < level.LastScreenExit()) ++level.SelectedScreenExit;
    return ExitGoto(state);
}

EditOutcome ExitPrevious(EditorState& state) {
    LevelModel& level = state.Level;
    if (level.SelectedScreenExit > 0) --level.SelectedScreenExit;
    return ExitGoto(state);
}

EditOutcome StoreExitField(EditorState& state, ExitField field, const std::string& text) {
    LevelModel& level = state.Level;
    if (CharacterCount(text) >= 3 || !HasSelectedExit(level)) return EditOutcome{};
    // Two hex digits at most, so the value fits a byte.
    FieldOf(level.ScreenExits[level.SelectedScreenExit], field) =
        static_cast<uint8_t>(ParseHexBox(text) & 0xFF);
    return EditOutcome{};
}

std::string PickDestination(EditorState& state, int value) {
    return Pick(state, ExitField::Destination, value);
}

std::string PickEntranceType(EditorState& state, int value) {
    return Pick(state, ExitField::EntranceType, value);
}

}  // namespace tarnloft
