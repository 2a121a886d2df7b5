#include "editsession.h"

#include <algorithm>

#include "edit/clipboard.h"
#include "edit/selection.h"
#include "level/header.h"
#include "level/selectioninfo.h"
#include "support/declaredsteps.h"
#include "view/canvas.h"
#include "view/layout.h"
#include "view/renderer.h"

namespace tarnloft {

namespace {

// Takes every drawing call and draws nothing: the renderer still walks the
// level exactly as it does for the window.
class NullCanvas : public Canvas {
public:
    void SetForeColour(Rgb colour) override { fore_ = colour; }
    void SetFillColour(Rgb) override {}
    void SetFillStyle(FillStyle) override {}
    void SetDrawStyle(DrawStyle) override {}
    void SetLineWidth(int) override {}
    void Clear() override {}
    void Line(double, double, double, double) override {}
    void Box(double, double, double, double) override {}
    void Circle(double, double, double) override {}
    void Text(const std::string&, int, int, int, int) override {}
    Rgb ForeColour() const override { return fore_; }

private:
    Rgb fore_ = Colours::Black;
};

}  // namespace

EditSession::EditSession(RomImage& rom, const Catalogues& defs) : rom_(rom), defs_(defs), editor_(defs) {
    LoadIndex(0);
    Do(&Editor::Layout, Client());
}

void EditSession::ImportHeader(uint64_t levelIndex) {
    HeaderImport import = ImportHeaderFromLevel(rom_, levelIndex);
    if (import.Bytes) Do(&Editor::SetHeader, *import.Bytes);
}

void EditSession::ResizeWindow(int clientWidth, int clientHeight) {
    client_ = LayoutInput{clientWidth, clientHeight};
    Do(&Editor::Layout, client_);
}

void EditSession::LoadIndex(int64_t index) {
    if (Adopt(LoadLevelIndex(rom_, defs_, index))) index_ = index;
}

void EditSession::LoadOffset(int64_t levelOffset, int64_t spriteOffset) {
    if (Adopt(LoadLevelOffset(rom_, defs_, levelOffset, spriteOffset))) index_.reset();
}

SaveResult EditSession::Save() { return SaveLevel(rom_, defs_, Level()); }

// Like the window: a plain save while the level fits, else the move.
EditSession::MovingSave EditSession::SaveMoving() {
    MovingSave run;
    run.Plan = PlanMovingSave(rom_, defs_, Level(), index_);
    if (run.Plan.InPlace) {
        run.Result = Save();
    } else if (run.Plan.Refusal) {
        run.Result = {false, *run.Plan.Refusal};
    } else {
        const MoveResult moved = WriteMovingSave(rom_, defs_, run.Plan);
        run.Result = moved.Save;
        run.Moved = moved.Moved;
        if (moved.Moved) Do(&Editor::MoveHome, run.Plan.Target);
    }
    return run;
}

// The Edit menu, through the window's history.
void EditSession::Undo() { Restore(history_.Undo(editor_)); }

void EditSession::Redo() { Restore(history_.Redo(editor_)); }

void EditSession::Copy() {
    if (!Level().HoldsEntry(Level().SelectedObject)) return;
    std::vector<LevelObject> entries;
    for (int index : SelectedEntries(Level())) entries.push_back(Level().LevelObjects[index]);
    const std::vector<ClipItem> items = ClipItemsOf(entries);
    clipboard_ = EncodeClipItems(items);
    // What Copy writes, Paste must read back as it was (up to the reader's bound on items).
    std::string error;
    if (!broken_ && items.size() <= size_t(MaxClipItems) && DecodeClipItems(clipboard_, error) != items)
        broken_ = "a copy of " + std::to_string(items.size()) + " items does not read back (" + error + ")";
}

void EditSession::Cut() {
    if (!Level().HoldsEntry(Level().SelectedObject)) return;
    Copy();
    Do(&Editor::Cut);
}

void EditSession::Paste(const std::string& payload, std::optional<PointerPosition> pointer) {
    std::string error;
    const std::optional<std::vector<ClipItem>> items = DecodeClipItems(payload, error);
    if (items) Do(&Editor::Paste, EntriesOf(*items), pointer);
}

void EditSession::Restore(const std::optional<EditorSnapshot>& snapshot) {
    if (snapshot) Handle(editor_.Restore(*snapshot));
}

// Like the window: the history follows the report's declaration, a minimum
// size the layout asks for is granted at once, and a changed picture is
// drawn again with the side panels' texts.
void EditSession::Handle(const ChangeReport& report) {
    if (!broken_) broken_ = UndeclaredStep(report);
    history_.Record(editor_, report);
    if (report.Layout && report.Layout->ResizeWidth) client_.ClientWidth = report.Layout->NewWidth;
    if (report.Layout && report.Layout->ResizeHeight) client_.ClientHeight = report.Layout->NewHeight;
    if (report.PictureChanged) Repaint();
    if (report.ExitInfoChanged) BuildScreenExitInfo(Level());
}

// Like the window: a failed load keeps the level; an undefined object number ends the program.
bool EditSession::Adopt(LoadResult&& result) {
    if (result.EndProgram) ended_ = true;
    if (!result.Ok || result.EndProgram) return false;
    Do(&Editor::AdoptLevel, std::move(result.Level));
    return true;
}

void EditSession::Repaint() {
    NullCanvas canvas;
    RepaintView(canvas, State().View, Level(), defs_);
    BuildSelectionInfo(Level(), defs_);
}

}  // namespace tarnloft
