// One step of the undo history as a QUndoCommand: the level and selection
// before and after it, put back through the session.
#pragma once
#include <QUndoCommand>

#include "edit/history.h"

namespace tarnloft {

class EditorSession;

class UndoStep : public QUndoCommand {
public:
    // The step has already happened when it is pushed.
    UndoStep(EditorSession& session, HistoryStep step);

    void undo() override;
    void redo() override;
    // Typing into one exit box folds into one step.
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

    const HistoryStep& Step() const { return step_; }

private:
    EditorSession& session_;
    HistoryStep step_;
    bool pushed_ = false;
};

}  // namespace tarnloft
