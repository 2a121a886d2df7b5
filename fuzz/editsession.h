// The editing fuzzer's one adapter between decoded operations and the
// Editor: it holds what the window's session holds (the open image, the
// catalogues, the Editor, the undo history, the clipboard) and, after each
// operation, does what the window does with the change report (layout,
// repaint into a canvas that draws nothing, side-panel texts). Nothing else
// in the fuzzer calls an editing operation.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogues.h"
#include "edit/editor.h"
#include "edit/undohistory.h"
#include "level/levelio.h"
#include "level/levelsave.h"
#include "level/movingsave.h"
#include "rom/romimage.h"

namespace tarnloft {

class EditSession {
public:
    EditSession(RomImage& rom, const Catalogues& defs);

    const EditorState& State() const { return editor_.State(); }
    const LevelModel& Level() const { return editor_.Level(); }
    const Catalogues& Defs() const { return defs_; }
    bool Ended() const { return ended_; }
    // The first operation whose report broke a rule of the history, if any.
    const std::optional<std::string>& Broken() const { return broken_; }

    // Runs one editor operation as the window does: recorded in the history,
    // its report handled.
    template <typename Operation, typename... Args>
    ChangeReport Do(Operation operation, Args&&... args) {
        const ChangeReport report = (editor_.*operation)(std::forward<Args>(args)...);
        Handle(report);
        return report;
    }

    // The header editor's Import: another level's header.
    void ImportHeader(uint64_t levelIndex);

    void ResizeWindow(int clientWidth, int clientHeight);
    const LayoutInput& Client() const { return client_; }

    void LoadIndex(int64_t index);
    void LoadOffset(int64_t levelOffset, int64_t spriteOffset);
    SaveResult Save();
    // "Save Level, Moving It If Needed", answering Yes to its question.
    struct MovingSave {
        MovePlan Plan;
        SaveResult Result;
        bool Moved = false;
    };
    MovingSave SaveMoving();
    // The table row of the level on screen; nothing when it was loaded by offset.
    std::optional<int64_t> TableIndex() const { return index_; }

    // The Edit menu.
    void Undo();
    void Redo();
    // Copy, Cut and Paste as the window does them, through a clipboard held
    // here as the payload of our own format. A payload that does not decode
    // pastes nothing.
    void Copy();
    void Cut();
    void Paste(const std::string& payload, std::optional<PointerPosition> pointer);
    const std::string& Clipboard() const { return clipboard_; }

private:
    void Handle(const ChangeReport& report);
    void Restore(const std::optional<EditorSnapshot>& snapshot);
    bool Adopt(LoadResult&& result);
    void Repaint();

    RomImage& rom_;
    const Catalogues& defs_;
    Editor editor_;
    LayoutInput client_{845, 504};
    bool ended_ = false;  // an undefined object number ended the program
    std::optional<int64_t> index_;
    std::optional<std::string> broken_;
    std::string clipboard_;
    UndoHistory history_{editor_};
};

}  // namespace tarnloft
