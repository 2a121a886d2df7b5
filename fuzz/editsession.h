// The editing fuzzer's one adapter between decoded operations and the
// Editor: it holds what the window's session holds (the open image, the
// catalogues, the catalogue list, the Editor and the undo history) and,
// after each operation, does what the window does with the change report
// (layout, repaint into a canvas that draws nothing, selection texts).
// Nothing else in the fuzzer calls an editing operation.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogues.h"
#include "edit/editor.h"
#include "edit/undohistory.h"
#include "level/levelio.h"
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

    // The catalogue list: its three check boxes and filter, then Create with
    // one of its lines (nothing selected when `line` is beyond the list).
    void SetListable(int box, bool on);
    void SetFilter(const std::string& text);
    void Create(size_t line);
    // A click on a line of the destination or entrance type list.
    void Choose(ExitField field, size_t line);

    // The header editor: one field set to a value (cut to the field's range),
    // or all taken over from another level's header.
    void SetHeaderField(int field, int value);
    void ImportHeader(uint64_t levelIndex);

    void ResizeWindow(int clientWidth, int clientHeight);
    LayoutInput Client() const;

    void LoadIndex(int64_t index);
    void LoadOffset(int64_t levelOffset, int64_t spriteOffset);
    SaveResult Save();

    // The Edit menu.
    void Undo();
    void Redo();

private:
    void Handle(const ChangeReport& report);
    void Restore(const std::optional<EditorSnapshot>& snapshot);
    void Adopt(LoadResult&& result);
    void Repaint();
    void RemakeList();

    RomImage& rom_;
    const Catalogues& defs_;
    Editor editor_;
    std::array<bool, 3> listable_{true, true, true};
    std::string filter_;
    std::vector<ListItem> list_;
    int clientWidth_ = 845;
    int clientHeight_ = 504;
    bool ended_ = false;  // an undefined object number ended the program
    std::optional<std::string> broken_;
    UndoHistory history_{editor_};
};

}  // namespace tarnloft
