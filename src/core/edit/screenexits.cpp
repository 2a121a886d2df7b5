#include "edit/screenexits.h"

#include <algorithm>

#include "util/hex.h"
#include "view/viewport.h"

namespace tarnloft {

namespace {

inline constexpr int LastScreen = ScreensPerSide - 1;

bool HasSelectedExit(const LevelModel& level) {
    return level.SelectedScreenExit >= 0 && level.SelectedScreenExit <= level.LastScreenExit();
}

// Column 15 row 15 would be stored as 0xFF, which ends the exit list.
bool StorableScreen(int column, int row) {
    return column >= 0 && column <= LastScreen && row >= 0 && row <= LastScreen &&
           !(column == LastScreen && row == LastScreen);
}

// After the boxes have been filled, the editor frame is enabled.
void NoteExitInfo(EditorState& state, ChangeReport& report) {
    report.ExitInfoChanged = true;
    if (HasSelectedExit(state.Level)) state.Tool.ExitEditorEnabled = true;
}

bool RemoveSelectedExit(EditorState& state, ChangeReport& report) {
    LevelModel& level = state.Level;
    if (level.LastScreenExit() == -1) {
        report.Messages.push_back(Message{ExitsGoneTitle, ExitsGoneText});
        return false;
    }
    level.SelectedScreenExit = std::clamp(level.SelectedScreenExit, 0, level.LastScreenExit());
    level.ScreenExits.erase(level.ScreenExits.begin() + level.SelectedScreenExit);
    if (level.SelectedScreenExit > level.LastScreenExit()) level.SelectedScreenExit = level.LastScreenExit();
    if (level.LastScreenExit() == -1) state.Tool.ExitEditorEnabled = false;
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

}  // namespace

void ToggleScreenExitMode(EditorState& state, ChangeReport& report) {
    LevelModel& level = state.Level;
    if (!state.View.Toggles.ScreenExitMode) {
        state.View.Toggles.ScreenExitMode = true;
        state.Tool.Mode = PointerMode::SCX;
        level.SelectedScreenExit = level.LastScreenExit() >= 0 ? 0 : -1;
        NoteExitInfo(state, report);
    } else {
        state.View.Toggles.ScreenExitMode = false;
        state.Tool.Mode = PointerMode::NON;
    }
}

void CreateExit(EditorState& state, ChangeReport& report) {
    LevelModel& level = state.Level;
    ScreenExit exit;
    // The screen holding the view's top-left tile; a view beyond the level
    // is brought back to a screen the exit list can hold.
    int column = std::clamp(state.View.H.Value / TilesPerScreen, 0, LastScreen);
    int row = std::clamp(state.View.V.Value / TilesPerScreen, 0, LastScreen);
    if (!StorableScreen(column, row)) row = LastScreen - 1;
    exit.ScreenX = static_cast<uint8_t>(column);
    exit.ScreenY = static_cast<uint8_t>(row);
    level.ScreenExits.push_back(exit);
    level.SelectedScreenExit = level.LastScreenExit();
    report.PictureChanged = true;
    NoteExitInfo(state, report);
}

void RemoveExit(EditorState& state, ChangeReport& report) {
    if (RemoveSelectedExit(state, report)) {
        report.PictureChanged = true;
        NoteExitInfo(state, report);
    }
}

void ClearExits(EditorState& state, ChangeReport& report) {
    bool removed = false;
    do {
        removed = RemoveSelectedExit(state, report) || removed;
    } while (state.Level.LastScreenExit() != -1);
    if (removed) {
        report.PictureChanged = true;
        NoteExitInfo(state, report);
    }
}

void MoveExit(EditorState& state, ArrowDirection direction, ChangeReport& report) {
    LevelModel& level = state.Level;
    if (!HasSelectedExit(level)) return;
    ScreenExit& exit = level.ScreenExits[level.SelectedScreenExit];
    int column = exit.ScreenX;
    int row = exit.ScreenY;
    switch (direction) {
        case ArrowDirection::Right:
            ++column;
            break;
        case ArrowDirection::Up:
            --row;
            break;
        case ArrowDirection::Left:
            --column;
            break;
        case ArrowDirection::Down:
            ++row;
            break;
    }
    if (!StorableScreen(column, row)) return;
    exit.ScreenX = static_cast<uint8_t>(column);
    exit.ScreenY = static_cast<uint8_t>(row);
    report.PictureChanged = true;
    NoteExitInfo(state, report);
}

void ExitGoto(EditorState& state, ChangeReport& report) {
    LevelModel& level = state.Level;
    if (!HasSelectedExit(level)) return;
    const ScreenExit& exit = level.ScreenExits[level.SelectedScreenExit];
    ViewState& view = state.View;
    bool changed =
        SetScrollValue(view.H, std::max(0, std::min(TilesPerScreen * exit.ScreenX, view.H.Maximum)));
    changed = SetScrollValue(view.V, std::max(0, std::min(TilesPerScreen * exit.ScreenY, view.V.Maximum))) ||
              changed;
    NoteExitInfo(state, report);
    if (changed) {
        report.ScrollChanged = true;
        report.PictureChanged = true;
    }
}

void ExitNext(EditorState& state, ChangeReport& report) {
    LevelModel& level = state.Level;
    if (level.SelectedScreenExit < level.LastScreenExit()) ++level.SelectedScreenExit;
    ExitGoto(state, report);
}

void ExitPrevious(EditorState& state, ChangeReport& report) {
    LevelModel& level = state.Level;
    if (level.SelectedScreenExit > 0) --level.SelectedScreenExit;
    ExitGoto(state, report);
}

void StoreExitField(EditorState& state, ExitField field, const std::string& text, ChangeReport&) {
    LevelModel& level = state.Level;
    if (CharacterCount(text) >= 3 || !HasSelectedExit(level)) return;
    // Two hex digits at most, so the value fits a byte.
    FieldOf(level.ScreenExits[level.SelectedScreenExit], field) =
        static_cast<uint8_t>(ParseHexBox(text) & 0xFF);
}

void PickExitValue(EditorState& state, ExitField field, int value, ChangeReport& report) {
    const std::string text = value < 0 ? Hex32(value) : Hex(static_cast<uint64_t>(value));
    StoreExitField(state, field, text, report);
    report.FieldText = ExitFieldText{field, text};
}

}  // namespace tarnloft
