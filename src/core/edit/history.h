// The steps of the undo history: which editor operations form a step (each
// declares its StepRole and step name in its report), and the level and
// selection before and after each step. UndoHistory (edit/undohistory.h)
// keeps the list of steps.
#pragma once
#include <optional>
#include <string>

#include "edit/editor.h"

namespace tarnloft {

// A history of this many steps at most; older steps are dropped.
inline constexpr int HistoryLimit = 1000;

// Entries, exits and header bytes: what a save writes.
bool SameLevelContent(const LevelModel& a, const LevelModel& b);

// One box of one exit.
struct ExitBox {
    int Exit = 0;
    ExitField Field = ExitField::Destination;
    friend bool operator==(const ExitBox& a, const ExitBox& b) {
        return a.Exit == b.Exit && a.Field == b.Field;
    }
    friend bool operator!=(const ExitBox& a, const ExitBox& b) { return !(a == b); }
};

struct HistoryStep {
    std::string Name;  // "Move", "Create Exit", ...
    EditorSnapshot Before;
    EditorSnapshot After;
    // Steps of one run of typing into the same exit box share a number and
    // fold into one step; -1 for every other step.
    int TypingRun = -1;
};

// Watches the operations of one editor and hands out the finished steps.
// A drag from press to release is one step; an operation that changes the
// level outside a drag is one step; one that changes only the selection,
// the view or the tool is none.
class StepRecorder {
public:
    // The editor's present level and selection are where the next step starts.
    void Restart(const Editor& editor);

    // Call after each operation with its report.
    std::optional<HistoryStep> Record(const Editor& editor, const ChangeReport& report);

    // Ends an open drag without a step: the level and selection as its press
    // found them, to be restored; nothing when no drag is open.
    std::optional<EditorSnapshot> DropDrag();

private:
    HistoryStep Finish(std::string name, const Editor& editor);
    std::optional<HistoryStep> EndDrag(const Editor& editor);

    EditorSnapshot base_;                  // level and selection before the next step
    std::optional<std::string> dragName_;  // set while a drag is open
    // The exit box that was typed into by the last step, while its run lasts.
    std::optional<ExitBox> typingBox_;
    int typingRun_ = 0;
};

}  // namespace tarnloft
