// The editor session: the catalogues, the open image and the core Editor,
// with one Qt signal that carries the ChangeReport of every operation. The
// window, the panels and the surface call its operations and listen to
// Changed; none of them changes the level or the view in any other way.
// Each report says how its operation enters the undo history, which the
// session keeps.
#pragma once
#include <QObject>
#include <optional>
#include <string>

#include "catalogue/catalogues.h"
#include "edit/editor.h"
#include "edit/undohistory.h"
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
    const EditorState& State() const { return editor_.State(); }

    // Runs one editor operation, records it in the history and announces
    // its report; e.g. session.Apply(&Editor::Remove).
    template <typename Operation, typename... Args>
    ChangeReport Apply(Operation operation, Args&&... args) {
        ChangeReport report = (editor_.*operation)(std::forward<Args>(args)...);
        Announce(report);
        return report;
    }

    // The undo history of the level on screen, and Ctrl+Z and Ctrl+Y.
    const UndoHistory& History() const { return history_; }
    bool CanUndo() const { return history_.CanUndo(editor_); }
    bool CanRedo() const { return history_.CanRedo(editor_); }
    void Undo();
    void Redo();

signals:
    // After every operation, with what it changed.
    void Changed(const tarnloft::ChangeReport& report);

private:
    void Announce(const ChangeReport& report);
    void Restore(const std::optional<EditorSnapshot>& snapshot);

    Catalogues defs_;
    RomImage rom_;
    Editor editor_{defs_};
    UndoHistory history_{editor_};
};

}  // namespace tarnloft
