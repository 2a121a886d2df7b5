#include "edit/screenexits.h"

#include <algorithm>

#include "util/hex.h"
#include "view/viewport.h"

namespace tarnloft {

namespace {

const char* const ExitsGoneTitle = "Tarnloft";
const char* const ExitsGoneText = "All screen exits deleted";

inline constexpr int LastScreen = ScreensPerSide - 1;

// Column 15 row 15 would be stored as 0xFF, which ends the exit list.
bool StorableScreen(int column, int row) {
    return column >= 0 && column <= LastScreen && row >= 0 && row <= LastScreen &&
           !(column == LastScreen && row == LastScreen);
}

// False, with the message, when there is no exit to remove.
bool AnyExitLeft(const LevelModel& level, ChangeReport& report) {
    if (!level.ScreenExits.empty()) return true;
    report.Messages.push_back(Message{ExitsGoneTitle, ExitsGoneText});
    return false;
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
    if (state.InScreenExitMode()) {
        state.Tool.Mode = PointerMode::Idle;
        return;
    }
    state.Tool.Mode = PointerMode::ExitEditing;
    state.Level.SelectedScreenExit = 0;  // the first exit, when there is one
    report.ExitInfoChanged = true;
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
    report.PictureChanged = report.ExitInfoChanged = true;
}

void RemoveExit(EditorState& state, ChangeReport& report) {
    LevelModel& level = state.Level;
    if (!AnyExitLeft(level, report)) return;
    level.ScreenExits.erase(level.ScreenExits.begin() + level.SelectedScreenExit);
    report.PictureChanged = report.ExitInfoChanged = true;
}

// Removing the selected exit until none is left takes them all; the message
// comes only when there was none to begin with.
void ClearExits(EditorState& state, ChangeReport& report) {
    if (!AnyExitLeft(state.Level, report)) return;
    state.Level.ScreenExits.clear();
    report.PictureChanged = report.ExitInfoChanged = true;
}

void MoveExit(EditorState& state, ArrowDirection direction, ChangeReport& report) {
    LevelModel& level = state.Level;
    if (!level.HoldsExit(level.SelectedScreenExit)) return;
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
    report.PictureChanged = report.ExitInfoChanged = true;
}

void ExitGoto(EditorState& state, ChangeReport& report) {
    LevelModel& level = state.Level;
    if (!level.HoldsExit(level.SelectedScreenExit)) return;
    const ExitMarker marker = ExitMarkerOf(state.View, level.ScreenExits[level.SelectedScreenExit]);
    SetScrollValue(state.View.H, marker.Column);
    SetScrollValue(state.View.V, marker.Row);
    report.ExitInfoChanged = true;
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

std::optional<uint8_t> ExitBoxValue(const std::string& text) {
    if (CharacterCount(text) >= 3) return std::nullopt;
    // Two hex digits at most, so the value fits a byte.
    return static_cast<uint8_t>(ParseHexBox(text) & 0xFF);
}

void StoreExitField(EditorState& state, ExitField field, const std::string& text, ChangeReport&) {
    LevelModel& level = state.Level;
    const std::optional<uint8_t> value = ExitBoxValue(text);
    if (value && level.HoldsExit(level.SelectedScreenExit))
        FieldOf(level.ScreenExits[level.SelectedScreenExit], field) = *value;
}

void PickExitValue(EditorState& state, ExitField field, int value, ChangeReport& report) {
    const std::string text = value < 0 ? Hex32(value) : Hex(static_cast<uint64_t>(value));
    StoreExitField(state, field, text, report);
    report.FieldText = ExitFieldText{field, text};
}

}  // namespace tarnloft
