#include "editsession.h"

#include <algorithm>

#include "catalogue/cataloguelist.h"
#include "level/header.h"
#include "level/selectioninfo.h"
#include "view/canvas.h"
#include "view/layout.h"
#include "view/renderer.h"
#include "view/viewport.h"

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

constexpr ArrowDirection ExitMoves[] = {ArrowDirection::Right, ArrowDirection::Up, ArrowDirection::Left,
                                        ArrowDirection::Down};
constexpr ArrowDirection ArrowKeys[] = {ArrowDirection::Left, ArrowDirection::Up, ArrowDirection::Right,
                                        ArrowDirection::Down};

template <typename T>
const T* ItemAt(const std::vector<T>& items, size_t line) {
    return line < items.size() ? &items[line] : nullptr;
}

}  // namespace

EditSession::EditSession(RomImage& rom, const Catalogues& defs) : rom_(rom), defs_(defs), editor_(defs) {
    RemakeList();
    LoadIndex(0);
    Do(&Editor::Layout, Client());
}

void EditSession::Press(MouseButton button, double x, double y) { Do(&Editor::Press, button, x, y); }
void EditSession::Move(MouseButton held, double x, double y) { Do(&Editor::Move, held, x, y); }
void EditSession::Release() { Do(&Editor::Release); }
void EditSession::Popup(int line) { Do(&Editor::ChoosePopupLine, line); }

void EditSession::SetListable(int box, bool on) {
    listable_[static_cast<size_t>(box) % listable_.size()] = on;
    RemakeList();
}
void EditSession::SetFilter(const std::string& text) {
    filter_ = text;
    RemakeList();
}
void EditSession::Create(size_t line) {
    const ListItem* item = ItemAt(list_, line);
    Do(&Editor::Create, item ? std::optional<int>(item->Value) : std::nullopt);
}
void EditSession::Remove() { Do(&Editor::Remove); }
void EditSession::Clear() { Do(&Editor::Clear); }
void EditSession::Goto() { Do(&Editor::Goto); }
void EditSession::Next() { Do(&Editor::Next); }
void EditSession::Previous() { Do(&Editor::Previous); }
void EditSession::Key(int key) {
    const int choice = key % 5;
    if (choice == 0)
        Do(&Editor::Remove);
    else
        Do(&Editor::Arrow, ArrowKeys[choice - 1]);
}

void EditSession::ToggleExitMode() { Do(&Editor::ToggleScreenExitMode); }
void EditSession::MoveScreenExit(int direction) { Do(&Editor::MoveExit, ExitMoves[direction % 4]); }
void EditSession::NextExit() { Do(&Editor::ExitNext); }
void EditSession::PreviousExit() { Do(&Editor::ExitPrevious); }
void EditSession::GotoExit() { Do(&Editor::ExitGoto); }
void EditSession::TypeExitField(ExitField field, const std::string& text) {
    Do(&Editor::StoreExitField, field, text);
}
// A click in a list puts the value's text into its box, which stores it again.
void EditSession::ChooseDestination(size_t line) {
    if (const ListItem* item = ItemAt(defs_.DestinationLevels, line)) {
        const ChangeReport report = Do(&Editor::PickExitValue, ExitField::Destination, item->Value);
        if (report.FieldText) TypeExitField(ExitField::Destination, report.FieldText->Text);
    }
}
void EditSession::ChooseEntranceType(size_t line) {
    if (const ListItem* item = ItemAt(defs_.EntranceTypes, line)) {
        const ChangeReport report = Do(&Editor::PickExitValue, ExitField::EntranceType, item->Value);
        if (report.FieldText) TypeExitField(ExitField::EntranceType, report.FieldText->Text);
    }
}

void EditSession::SetHeaderField(int field, int value) {
    const size_t index = static_cast<size_t>(field) % HeaderFieldCount;
    LevelHeaderFields fields = UnpackHeader(Level().HeaderBytes);
    fields.Values[index] = static_cast<uint8_t>(value % (HeaderFieldTable()[index].Max() + 1));
    Do(&Editor::SetHeader, PackHeader(fields));
}
void EditSession::ImportHeader(uint64_t levelIndex) {
    HeaderImport import = ImportHeaderFromLevel(rom_, levelIndex);
    if (import.Bytes) Do(&Editor::SetHeader, *import.Bytes);
}

void EditSession::Zoom(int zoom) { Do(&Editor::Zoom, zoom, Client()); }
void EditSession::Scroll(bool horizontal, int value) { Do(&Editor::ScrollTo, horizontal, value); }
void EditSession::ToggleView(int toggle) {
    constexpr ViewToggle Plain[] = {ViewToggle::CrossSection, ViewToggle::SmallGrid, ViewToggle::Transparent,
                                    ViewToggle::Stationary};
    switch (toggle % 7) {
        case 4:
            Do(&Editor::ToggleOutOfBounds, Client());
            break;
        case 5:
            Do(&Editor::ToggleSeparateObjects, Client());
            break;
        case 6:
            ToggleExitMode();
            break;
        default:
            Do(&Editor::Toggle, Plain[toggle % 7]);
            break;
    }
}
void EditSession::ResizeWindow(int clientWidth, int clientHeight) {
    clientWidth_ = clientWidth;
    clientHeight_ = clientHeight;
    Do(&Editor::Layout, Client());
}

void EditSession::LoadIndex(int64_t index) { Adopt(LoadLevelIndex(rom_, defs_, index)); }
void EditSession::LoadOffset(int64_t levelOffset, int64_t spriteOffset) {
    Adopt(LoadLevelOffset(rom_, defs_, levelOffset, spriteOffset));
}
// The history as the window keeps it: steps from the same recorder, typing
// runs folded, at most HistoryLimit steps.
void EditSession::Push(HistoryStep step) {
    steps_.resize(done_);
    if (!steps_.empty() && MergeSteps(steps_.back(), step)) {
        if (ChangesNothing(steps_.back())) steps_.pop_back();
    } else {
        steps_.push_back(std::move(step));
        if (steps_.size() > static_cast<size_t>(HistoryLimit)) steps_.erase(steps_.begin());
    }
    done_ = steps_.size();
}

void EditSession::Undo() {
    if (done_ == 0) return;
    Restore(steps_[--done_].Before);
}

void EditSession::Redo() {
    if (done_ == steps_.size()) return;
    Restore(steps_[done_++].After);
}

void EditSession::Restore(const EditorSnapshot& snapshot) {
    const ChangeReport report = editor_.Restore(snapshot);
    recorder_.Restart(editor_);
    Apply(report);
}

SaveResult EditSession::Save() { return SaveLevel(rom_, defs_, Level()); }

// Like the window: a minimum size the layout asks for is granted at once,
// and a changed picture is drawn again with the side panels' texts.
void EditSession::Apply(const ChangeReport& report) {
    if (report.Layout) {
        if (report.Layout->ResizeWidth) clientWidth_ = report.Layout->NewWidth;
        if (report.Layout->ResizeHeight) clientHeight_ = report.Layout->NewHeight;
    }
    if (report.PictureChanged) Repaint();
    if (report.ExitInfoChanged) BuildScreenExitInfo(Level());
}

// Like the window: a failed load keeps the level; an undefined object number ends the program.
void EditSession::Adopt(LoadResult&& result) {
    if (result.EndProgram) ended_ = true;
    if (!result.Ok || result.EndProgram) return;
    Do(&Editor::AdoptLevel, std::move(result.Level));
}

LayoutInput EditSession::Client() const {
    LayoutInput input;
    input.ClientWidth = clientWidth_;
    input.ClientHeight = clientHeight_;
    return input;
}

void EditSession::Repaint() {
    NullCanvas canvas;
    RepaintView(canvas, State().View, Level(), defs_);
    BuildSelectionInfo(Level(), defs_);
    BuildScreenExitInfo(Level());
}

void EditSession::RemakeList() {
    CatalogueListOptions options;
    options.Listable = listable_;
    options.Filter = filter_;
    list_ = RemakeObjectList(defs_, options);
}

}  // namespace tarnloft
