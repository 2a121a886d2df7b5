#include "edit/history.h"

namespace tarnloft {

namespace {

bool IsDrag(PointerMode mode) {
    return mode == PointerMode::MOV || mode == PointerMode::RSX || mode == PointerMode::RSY ||
           mode == PointerMode::RSA;
}

std::string StepName(EditKind kind, const EditorState& state) {
    const bool exits = state.InScreenExitMode();
    switch (kind) {
        case EditKind::Press:
            return "Copy";  // the middle button's copy is the one press that changes the level
        case EditKind::PopupChoice:
            return "Bring to Front";
        case EditKind::Create:
            return exits ? "Create Exit" : "Create";
        case EditKind::Remove:
            return exits ? "Remove Exit" : "Remove";
        case EditKind::Clear:
            return exits ? "Clear Exits" : "Clear";
        case EditKind::MoveExit:
            return "Move Exit";
        case EditKind::ExitField:
        case EditKind::ExitPick:
            return "Edit Exit";
        case EditKind::Header:
            return "Edit Header";
        default:
            return "Edit";
    }
}

// The exit and the field (0..3) that differ, when the two lists differ in
// one field of one exit only.
std::optional<std::pair<int, int>> ChangedExitField(const LevelModel& before, const LevelModel& after) {
    if (before.ScreenExits.size() != after.ScreenExits.size()) return std::nullopt;
    for (size_t i = 0; i < before.ScreenExits.size(); ++i) {
        const ScreenExit& a = before.ScreenExits[i];
        const ScreenExit& b = after.ScreenExits[i];
        if (a == b) continue;
        const int field = a.Destination != b.Destination ? 0
                          : a.EntranceX != b.EntranceX   ? 1
                          : a.EntranceY != b.EntranceY   ? 2
                                                         : 3;
        return std::make_pair(static_cast<int>(i), field);
    }
    return std::nullopt;
}

}  // namespace

EditKind KindOf(ChangeReport (Editor::*operation)()) {
    if (operation == &Editor::Remove) return EditKind::Remove;
    if (operation == &Editor::Clear) return EditKind::Clear;
    return EditKind::Other;
}

EditKind KindOf(ChangeReport (Editor::*operation)(std::optional<int>)) {
    return operation == &Editor::Create ? EditKind::Create : EditKind::Other;
}

EditKind KindOf(ChangeReport (Editor::*operation)(MouseButton, double, double)) {
    return operation == &Editor::Press ? EditKind::Press : EditKind::Other;
}

EditKind KindOf(ChangeReport (Editor::*operation)(int)) {
    return operation == &Editor::ChoosePopupLine ? EditKind::PopupChoice : EditKind::Other;
}

EditKind KindOf(ChangeReport (Editor::*operation)(ArrowDirection)) {
    return operation == &Editor::MoveExit ? EditKind::MoveExit : EditKind::Other;
}

EditKind KindOf(ChangeReport (Editor::*operation)(ExitField, const std::string&)) {
    return operation == &Editor::StoreExitField ? EditKind::ExitField : EditKind::Other;
}

EditKind KindOf(ChangeReport (Editor::*operation)(ExitField, int)) {
    return operation == &Editor::PickExitValue ? EditKind::ExitPick : EditKind::Other;
}

EditKind KindOf(ChangeReport (Editor::*operation)(const HeaderBytesArray&)) {
    return operation == &Editor::SetHeader ? EditKind::Header : EditKind::Other;
}

EditKind KindOf(ChangeReport (Editor::*operation)(LevelModel)) {
    return operation == &Editor::AdoptLevel ? EditKind::NewLevel : EditKind::Other;
}

EditKind KindOf(ChangeReport (Editor::*operation)(EditorState)) {
    return operation == &Editor::Reset ? EditKind::NewLevel : EditKind::Other;
}

bool SameLevelContent(const LevelModel& a, const LevelModel& b) {
    return a.LevelObjects == b.LevelObjects && a.ScreenExits == b.ScreenExits &&
           a.HeaderBytes == b.HeaderBytes;
}

bool MergeSteps(HistoryStep& step, const HistoryStep& next) {
    if (step.TypingRun < 0 || next.TypingRun != step.TypingRun) return false;
    step.After = next.After;
    return true;
}

bool ChangesNothing(const HistoryStep& step) { return SameLevelContent(step.Before.Level, step.After.Level); }

void StepRecorder::Restart(const Editor& editor) {
    base_ = editor.Snapshot();
    dragName_.reset();
    typingBox_.reset();
}

HistoryStep StepRecorder::Finish(std::string name, const Editor& editor) {
    HistoryStep step{std::move(name), std::move(base_), editor.Snapshot()};
    base_ = step.After;
    return step;
}

std::optional<HistoryStep> StepRecorder::Record(EditKind kind, const Editor& editor,
                                                const ChangeReport& report) {
    if (kind == EditKind::NewLevel) {
        Restart(editor);
        return std::nullopt;
    }
    const bool dragging = IsDrag(editor.Tool().Mode);
    if (dragName_) {
        if (dragging) return std::nullopt;
        // The drag has ended: one step if it changed the level, else only the selection moved.
        std::string name = std::move(*dragName_);
        dragName_.reset();
        typingBox_.reset();
        if (!SameLevelContent(base_.Level, editor.Level())) return Finish(std::move(name), editor);
        base_ = editor.Snapshot();
        return std::nullopt;
    }
    if (dragging) {
        // The press opened a drag; the step starts before the press.
        dragName_ = editor.Tool().Mode == PointerMode::MOV ? "Move" : "Resize";
        return std::nullopt;
    }
    if (!report.LevelChanged || SameLevelContent(base_.Level, editor.Level())) {
        if (report.SelectionChanged) {
            base_ = editor.Snapshot();
            typingBox_.reset();
        }
        return std::nullopt;
    }

    std::optional<std::pair<int, int>> box;
    if (kind == EditKind::ExitField) box = ChangedExitField(base_.Level, editor.Level());
    if (box && box != typingBox_) ++typingRun_;
    typingBox_ = box;
    HistoryStep step = Finish(StepName(kind, editor.State()), editor);
    if (box) step.TypingRun = typingRun_;
    return step;
}

}  // namespace tarnloft
