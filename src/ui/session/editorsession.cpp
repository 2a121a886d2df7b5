#include "session/editorsession.h"

#include "session/undocommands.h"

namespace tarnloft {

EditorSession::EditorSession(QObject* parent) : QObject(parent) {
    qRegisterMetaType<tarnloft::ChangeReport>("tarnloft::ChangeReport");
    history_.setUndoLimit(HistoryLimit);
    recorder_.Restart(editor_);
}

void EditorSession::Record(EditKind kind, const ChangeReport& report) {
    if (restoring_) {
        // The panels echo the restored values back (the exit boxes store their text).
        recorder_.Restart(editor_);
        return;
    }
    if (kind == EditKind::NewLevel) history_.clear();
    if (std::optional<HistoryStep> step = recorder_.Record(kind, editor_, report))
        history_.push(new UndoStep(*this, std::move(*step)));
}

void EditorSession::RestoreStep(const EditorSnapshot& snapshot) {
    const bool nested = restoring_;
    restoring_ = true;
    const ChangeReport report = editor_.Restore(snapshot);
    recorder_.Restart(editor_);
    emit Changed(report);
    restoring_ = nested;
}

}  // namespace tarnloft
