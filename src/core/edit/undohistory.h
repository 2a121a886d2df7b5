// The undo history of one editor: the steps its StepRecorder hands out,
// typing runs folded into one step, at most HistoryLimit steps, and undo
// and redo, which name the snapshot to put back. The window and the editing
// fuzzer keep their history with it alike.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "edit/history.h"

namespace tarnloft {

class UndoHistory {
public:
    // The editor's present level is where the first step starts.
    explicit UndoHistory(const Editor& editor) { recorder_.Restart(editor); }

    // After each operation of the editor, with its report: a finished step is
    // kept (dropping the steps that were undone); a new level starts afresh.
    void Record(const Editor& editor, const ChangeReport& report);

    // The snapshot that undo or redo puts back (through Editor::Restore), or
    // nothing. While a button is held the steps stay as they are: undo only
    // drops an open drag, putting back the level as its press found it, and
    // redo does nothing.
    std::optional<EditorSnapshot> Undo(const Editor& editor);
    std::optional<EditorSnapshot> Redo(const Editor& editor);
    bool CanUndo(const Editor& editor) const;
    bool CanRedo(const Editor& editor) const;

    // The names of the steps that undo and redo would take; empty when none.
    std::string UndoName() const { return done_ > 0 ? steps_[done_ - 1].Name : std::string(); }
    std::string RedoName() const { return done_ < steps_.size() ? steps_[done_].Name : std::string(); }
    size_t Count() const { return steps_.size(); }

private:
    void Push(HistoryStep step);

    StepRecorder recorder_;
    std::vector<HistoryStep> steps_;
    size_t done_ = 0;  // steps_[0, done_) are done, the rest undone
};

}  // namespace tarnloft
