#include "session/undocommands.h"

#include "session/editorsession.h"

namespace tarnloft {

namespace {
inline constexpr int TypingId = 1;
}

UndoStep::UndoStep(EditorSession& session, HistoryStep step)
    : QUndoCommand(QString::fromStdString(step.Name)), session_(session), step_(std::move(step)) {}

void UndoStep::undo() { session_.RestoreStep(step_.Before); }

void UndoStep::redo() {
    // The stack calls redo on push; the editor is already in the after-state.
    if (!pushed_) {
        pushed_ = true;
        return;
    }
    session_.RestoreStep(step_.After);
}

int UndoStep::id() const { return step_.TypingRun >= 0 ? TypingId : -1; }

bool UndoStep::mergeWith(const QUndoCommand* other) {
    if (!MergeSteps(step_, static_cast<const UndoStep*>(other)->step_)) return false;
    // Typing that brought the box back to where it started leaves no step.
    setObsolete(ChangesNothing(step_));
    return true;
}

}  // namespace tarnloft
