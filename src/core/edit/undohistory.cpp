#include "edit/undohistory.h"

namespace tarnloft {

namespace {

bool ButtonHeld(const Editor& editor) { return editor.Tool().ButtonHeld; }

}  // namespace

void UndoHistory::Record(const Editor& editor, const ChangeReport& report) {
    if (report.Role == StepRole::NewLevel) {
        steps_.clear();
        done_ = 0;
    }
    if (std::optional<HistoryStep> step = recorder_.Record(editor, report)) Push(std::move(*step));
}

// Typing into one box folds into the step before it; typing that brings the
// box back to where it started leaves no step.
void UndoHistory::Push(HistoryStep step) {
    steps_.resize(done_);
    HistoryStep* last = steps_.empty() ? nullptr : &steps_.back();
    if (last && last->TypingRun >= 0 && last->TypingRun == step.TypingRun) {
        last->After = std::move(step.After);
        if (SameLevelContent(last->Before.Level, last->After.Level)) steps_.pop_back();
    } else {
        steps_.push_back(std::move(step));
        if (steps_.size() > static_cast<size_t>(HistoryLimit)) steps_.erase(steps_.begin());
    }
    done_ = steps_.size();
}

std::optional<EditorSnapshot> UndoHistory::Undo(const Editor& editor) {
    if (ButtonHeld(editor)) return recorder_.DropDrag();
    if (done_ == 0) return std::nullopt;
    return steps_[--done_].Before;
}

std::optional<EditorSnapshot> UndoHistory::Redo(const Editor& editor) {
    if (ButtonHeld(editor) || done_ == steps_.size()) return std::nullopt;
    return steps_[done_++].After;
}

bool UndoHistory::CanUndo(const Editor& editor) const {
    return ButtonHeld(editor) ? editor.Tool().Dragging() : done_ > 0;
}

bool UndoHistory::CanRedo(const Editor& editor) const { return !ButtonHeld(editor) && done_ < steps_.size(); }

}  // namespace tarnloft
