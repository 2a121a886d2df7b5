// The editing fuzzer's one adapter between decoded operations and the
// Editor: it holds what the window's session holds (the open image, the
// catalogues, the catalogue list and the Editor) and, after each operation,
// does what the window does with the change report (layout, repaint into a
// canvas that draws nothing, selection texts). Nothing else in the fuzzer
// calls an editing operation.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogues.h"
#include "edit/editor.h"
#include "edit/history.h"
#include "level/levelio.h"
#include "level/levelsave.h"
#include "rom/romimage.h"

namespace tarnloft {

class EditSession {
public:
    EditSession(RomImage& rom, const Catalogues& defs);

    const EditorState& State() const { return editor_.State(); }
    const LevelModel& Level() const { return editor_.Level(); }
    bool Ended() const { return ended_; }

    // Pointer on the surface, in pixels; positions may lie outside it.
    void Press(MouseButton button, double x, double y);
    void Move(MouseButton held, double x, double y);
    void Release();
    void Popup(int line);

    // The catalogue list: its three check boxes and filter, then Create with
    // one of its lines (nothing selected when `line` is beyond the list).
    void SetListable(int box, bool on);
    void SetFilter(const std::string& text);
    void Create(size_t line);
    void Remove();
    void Clear();
    void Goto();
    void Next();
    void Previous();
    // 0 Delete, 1 to 4 the arrow keys left, up, right, down.
    void Key(int key);

    void ToggleExitMode();
    void MoveScreenExit(int direction);
    void NextExit();
    void PreviousExit();
    void GotoExit();
    void TypeExitField(ExitField field, const std::string& text);
    void ChooseDestination(size_t line);
    void ChooseEntranceType(size_t line);

    // The header editor: one field set to a value (cut to the field's range),
    // or all taken over from another level's header.
    void SetHeaderField(int field, int value);
    void ImportHeader(uint64_t levelIndex);

    void Zoom(int zoom);
    void Scroll(bool horizontal, int value);
    void ToggleView(int toggle);
    void ResizeWindow(int clientWidth, int clientHeight);

    void LoadIndex(int64_t index);
    void LoadOffset(int64_t levelOffset, int64_t spriteOffset);
    SaveResult Save();

    // The Edit menu.
    void Undo();
    void Redo();

private:
    // Runs one editor operation, records it in the history and handles its report.
    template <typename Operation, typename... Args>
    ChangeReport Do(Operation operation, Args&&... args) {
        const ChangeReport report = (editor_.*operation)(std::forward<Args>(args)...);
        if (KindOf(operation) == EditKind::NewLevel) steps_.clear(), done_ = 0;
        if (std::optional<HistoryStep> step = recorder_.Record(KindOf(operation), editor_, report))
            Push(std::move(*step));
        Apply(report);
        return report;
    }
    void Push(HistoryStep step);
    void Restore(const EditorSnapshot& snapshot);
    void Apply(const ChangeReport& report);
    void Adopt(LoadResult&& result);
    LayoutInput Client() const;
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
    StepRecorder recorder_;
    std::vector<HistoryStep> steps_;
    size_t done_ = 0;  // steps_[0, done_) are done, the rest undone
};

}  // namespace tarnloft
