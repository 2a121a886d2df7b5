#include "session/editorsession.h"

#include "session/undocommands.h"

namespace tarnloft {

EditorSession::EditorSession(QObject* parent) : QObject(parent) {
    qRegisterMetaType<tarnloft::ChangeReport>("tarnloft::ChangeReport");
    history_.setUndoLimit(HistoryLimit);
    recorder_.Restart(editor_);
}

void EditorSession::Announce(const ChangeReport& report) {
    if (report.Role == StepRole::NewLevel) history_.clear();
    if (std::optional<HistoryStep> step = recorder_.Record(editor_, report))
        history_.push(new UndoStep(*this, std::move(*step)));
    emit Changed(report);
}

void EditorSession::RestoreStep(const EditorSnapshot& snapshot) { Announce(editor_.Restore(snapshot)); }

void EditorSession::Undo() {
    if (!HistoryPaused(editor_)) return history_.undo();
    if (std::optional<EditorSnapshot> pressed = recorder_.DropDrag()) RestoreStep(*pressed);
}

void EditorSession::Redo() {
    if (!HistoryPaused(editor_)) history_.redo();
}

bool EditorSession::CanUndo() const {
    return HistoryPaused(editor_) ? editor_.Tool().Dragging() : history_.canUndo();
}

bool EditorSession::CanRedo() const { return !HistoryPaused(editor_) && history_.canRedo(); }

}  // namespace tarnloft
