#include "edit/history.h"

namespace tarnloft {

namespace {

// The box that differs, when the two lists differ in one field of one exit only.
std::optional<ExitBox> ChangedExitBox(const LevelModel& before, const LevelModel& after) {
    if (before.ScreenExits.size() != after.ScreenExits.size()) return std::nullopt;
    for (size_t i = 0; i < before.ScreenExits.size(); ++i) {
        const ScreenExit& a = before.ScreenExits[i];
        const ScreenExit& b = after.ScreenExits[i];
        if (a == b) continue;
        const ExitField field = a.Destination != b.Destination ? ExitField::Destination
                                : a.EntranceX != b.EntranceX   ? ExitField::EntranceX
                                : a.EntranceY != b.EntranceY   ? ExitField::EntranceY
                                                               : ExitField::EntranceType;
        return ExitBox{static_cast<int>(i), field};
    }
    return std::nullopt;
}

}  // namespace

bool SameLevelContent(const LevelModel& a, const LevelModel& b) {
    return a.LevelObjects == b.LevelObjects && a.ScreenExits == b.ScreenExits &&
           a.HeaderBytes == b.HeaderBytes;
}

void StepRecorder::Restart(const Editor& editor) {
    base_ = editor.Snapshot();
    dragName_.reset();
    typingBox_.reset();
}

std::optional<EditorSnapshot> StepRecorder::DropDrag() {
    if (!dragName_) return std::nullopt;
    dragName_.reset();
    return base_;
}

HistoryStep StepRecorder::Finish(std::string name, const Editor& editor) {
    HistoryStep step{std::move(name), std::move(base_), editor.Snapshot()};
    base_ = step.After;
    return step;
}

// The drag has ended: one step if it changed the level, else only the selection moved.
std::optional<HistoryStep> StepRecorder::EndDrag(const Editor& editor) {
    std::string name = std::move(*dragName_);
    dragName_.reset();
    typingBox_.reset();
    if (!SameLevelContent(base_.Level, editor.Level())) return Finish(std::move(name), editor);
    base_ = editor.Snapshot();
    return std::nullopt;
}

std::optional<HistoryStep> StepRecorder::Record(const Editor& editor, const ChangeReport& report) {
    if (report.Role == StepRole::NewLevel || report.Role == StepRole::Restore) {
        Restart(editor);
        return std::nullopt;
    }
    const bool dragging = editor.Tool().Dragging();
    if (dragName_) return dragging ? std::nullopt : EndDrag(editor);
    if (dragging) {
        // The press opened a drag; the step starts before the press.
        dragName_ = report.StepName;
        return std::nullopt;
    }
    if (!report.LevelChanged || SameLevelContent(base_.Level, editor.Level())) {
        if (report.SelectionChanged) {
            base_ = editor.Snapshot();
            typingBox_.reset();
        }
        return std::nullopt;
    }

    std::optional<ExitBox> box;
    if (report.Role == StepRole::Typing) box = ChangedExitBox(base_.Level, editor.Level());
    if (box && box != typingBox_) ++typingRun_;
    typingBox_ = box;
    HistoryStep step = Finish(report.StepName, editor);
    if (box) step.TypingRun = typingRun_;
    return step;
}

}  // namespace tarnloft
