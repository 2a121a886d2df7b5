// Undo and redo at the editor's seam: which editor operations form a step
// of the history, what the step is called, and the level and selection
// before and after it. The list of steps itself lives with the window.
#pragma once
#include <optional>
#include <string>

#include "edit/editor.h"

namespace tarnloft {

// A history of this many steps at most; older steps are dropped.
inline constexpr int HistoryLimit = 1000;

// The editor operations as the history tells them apart.
enum class EditKind {
    Other,  // changes the view or the tool, or an operation of no step of its own
    Press,
    PopupChoice,
    Create,
    Remove,
    Clear,
    MoveExit,
    ExitField,  // typing into an exit box
    ExitPick,   // a list click that fills an exit box
    Header,
    NewLevel,  // a loaded level or a new session: the history starts afresh
};

EditKind KindOf(ChangeReport (Editor::*operation)());
EditKind KindOf(ChangeReport (Editor::*operation)(std::optional<int>));
EditKind KindOf(ChangeReport (Editor::*operation)(MouseButton, double, double));
EditKind KindOf(ChangeReport (Editor::*operation)(int));
EditKind KindOf(ChangeReport (Editor::*operation)(ArrowDirection));
EditKind KindOf(ChangeReport (Editor::*operation)(ExitField, const std::string&));
EditKind KindOf(ChangeReport (Editor::*operation)(ExitField, int));
EditKind KindOf(ChangeReport (Editor::*operation)(const HeaderBytesArray&));
EditKind KindOf(ChangeReport (Editor::*operation)(LevelModel));
EditKind KindOf(ChangeReport (Editor::*operation)(EditorState));
template <typename Operation>
EditKind KindOf(Operation) {
    return EditKind::Other;
}

// Entries, exits and header bytes: what a save writes.
bool SameLevelContent(const LevelModel& a, const LevelModel& b);

struct HistoryStep {
    std::string Name;  // "Move", "Create Exit", ...
    EditorSnapshot Before;
    EditorSnapshot After;
    // Steps of one run of typing into the same exit box share a number and
    // fold into one step; -1 for every other step.
    int TypingRun = -1;
};

// Folds `next` into `step` when both belong to one run of typing; returns
// whether it did. A folded step that ends where it began changes nothing.
bool MergeSteps(HistoryStep& step, const HistoryStep& next);
bool ChangesNothing(const HistoryStep& step);

// Watches the operations of one editor and hands out the finished steps.
// A drag from press to release is one step; an operation that changes the
// level outside a drag is one step; one that changes only the selection,
// the view or the tool is none.
class StepRecorder {
public:
    // The editor's present level and selection are where the next step starts.
    void Restart(const Editor& editor);

    // Call after each operation with its kind and report.
    std::optional<HistoryStep> Record(EditKind kind, const Editor& editor, const ChangeReport& report);

    bool Dragging() const { return dragName_.has_value(); }

private:
    HistoryStep Finish(std::string name, const Editor& editor);

    EditorSnapshot base_;                  // level and selection before the next step
    std::optional<std::string> dragName_;  // set while a drag is open
    // The exit box that was typed into by the last step, while its run lasts.
    std::optional<std::pair<int, int>> typingBox_;  // exit index, field
    int typingRun_ = 0;
};

}  // namespace tarnloft
