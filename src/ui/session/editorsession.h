// The editor session: the catalogues, the open image and the core Editor,
// with one Qt signal that carries the ChangeReport of every operation. The
// window, the panels and the surface call its operations and listen to
// Changed; none of them changes the level or the view in any other way.
// Operations that change the level become steps of the undo history.
#pragma once
#include <QObject>
#include <QUndoStack>
#include <optional>
#include <string>

#include "catalogue/catalogues.h"
#include "edit/editor.h"
#include "edit/history.h"
#include "rom/romimage.h"

namespace tarnloft {

class EditorSession : public QObject {
    Q_OBJECT
public:
    explicit EditorSession(QObject* parent = nullptr);

    const Catalogues& Defs() const { return defs_; }
    void SetDefs(Catalogues defs) { defs_ = std::move(defs); }
    RomImage& Rom() { return rom_; }
    const RomImage& Rom() const { return rom_; }
    const Editor& Edit() const { return editor_; }
    const EditorState& State() const { return editor_.State(); }

    // Runs one editor operation and announces its report. The operation
    // receives the Editor; e.g. session.Apply(&Editor::Remove).
    template <typename Operation, typename... Args>
    ChangeReport Apply(Operation operation, Args&&... args) {
        ChangeReport report = (editor_.*operation)(std::forward<Args>(args)...);
        Record(KindOf(operation), report);
        emit Changed(report);
        return report;
    }

    // The undo history of the level on screen.
    QUndoStack& History() { return history_; }
    // Puts back the level and selection of one side of a step (undo, redo).
    void RestoreStep(const EditorSnapshot& snapshot);

signals:
    // After every operation, with what it changed. Slots run in the order
    // they were connected: the window (messages, layout) first.
    void Changed(const tarnloft::ChangeReport& report);

private:
    void Record(EditKind kind, const ChangeReport& report);

    Catalogues defs_;
    RomImage rom_;
    Editor editor_{defs_};
    QUndoStack history_;
    StepRecorder recorder_;
    bool restoring_ = false;  // operations that follow a restore are not steps
};

}  // namespace tarnloft
