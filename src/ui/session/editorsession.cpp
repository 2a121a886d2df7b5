#include "session/editorsession.h"

namespace tarnloft {

EditorSession::EditorSession(QObject* parent) : QObject(parent) {
    qRegisterMetaType<tarnloft::ChangeReport>("tarnloft::ChangeReport");
}

void EditorSession::Announce(const ChangeReport& report) {
    history_.Record(editor_, report);
    emit Changed(report);
}

void EditorSession::Restore(const std::optional<EditorSnapshot>& snapshot) {
    if (snapshot) Announce(editor_.Restore(*snapshot));
}

void EditorSession::Undo() { Restore(history_.Undo(editor_)); }

void EditorSession::Redo() { Restore(history_.Redo(editor_)); }

}  // namespace tarnloft
