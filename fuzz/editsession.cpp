#include "editsession.h"

#include <algorithm>

#include "catalogue/cataloguelist.h"
#include "edit/commands.h"
#include "edit/mouse.h"
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

template <typename T>
const T* ItemAt(const std::vector<T>& items, size_t line) {
    return line < items.size() ? &items[line] : nullptr;
}

}  // namespace

EditSession::EditSession(RomImage& rom, const Catalogues& defs) : rom_(rom), defs_(defs) {
    RemakeList();
    LoadIndex(0);
    Layout();
}

void EditSession::Press(MouseButton button, double x, double y) {
    Apply(MousePress(state_, defs_, button, x, y));
}
void EditSession::Move(MouseButton held, double x, double y) { Apply(MouseMove(state_, defs_, held, x, y)); }
void EditSession::Release() { Apply(MouseRelease(state_)); }
void EditSession::Popup(int line) { Apply(PopupChoice(state_, line)); }

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
    Apply(CreateItem(state_, defs_, item ? std::optional<int>(item->Value) : std::nullopt));
}
void EditSession::Remove() { Apply(RemoveItem(state_, defs_)); }
void EditSession::Clear() { Apply(ClearLevel(state_, defs_)); }
void EditSession::Goto() { Apply(GotoObject(state_)); }
void EditSession::Next() { Apply(NextObject(state_)); }
void EditSession::Previous() { Apply(PreviousObject(state_)); }
void EditSession::Key(int keyCode) { Apply(KeyPressed(state_, defs_, keyCode)); }

void EditSession::ToggleExitMode() { Apply(ToggleScreenExitMode(state_)); }
void EditSession::MoveScreenExit(int direction) { Apply(MoveExit(state_, direction)); }
void EditSession::NextExit() { Apply(ExitNext(state_)); }
void EditSession::PreviousExit() { Apply(ExitPrevious(state_)); }
void EditSession::GotoExit() { Apply(ExitGoto(state_)); }
void EditSession::TypeExitField(ExitField field, const std::string& text) {
    Apply(StoreExitField(state_, field, text));
}
// A click in a list puts the value's text into its box, which stores it again.
void EditSession::ChooseDestination(size_t line) {
    if (const ListItem* item = ItemAt(defs_.DestinationLevels, line))
        TypeExitField(ExitField::Destination, PickDestination(state_, item->Value));
}
void EditSession::ChooseEntranceType(size_t line) {
    if (const ListItem* item = ItemAt(defs_.EntranceTypes, line))
        TypeExitField(ExitField::EntranceType, PickEntranceType(state_, item->Value));
}

void EditSession::SetHeaderField(int field, int value) {
    const size_t index = static_cast<size_t>(field) % HeaderFieldCount;
    LevelHeaderFields fields = UnpackHeader(state_.Level.HeaderBytes);
    fields.Values[index] = static_cast<uint8_t>(value % (HeaderFieldTable()[index].Max() + 1));
    state_.Level.HeaderBytes = PackHeader(fields);
}
void EditSession::ImportHeader(uint64_t levelIndex) {
    HeaderImport import = ImportHeaderFromLevel(rom_, levelIndex);
    if (import.Bytes) state_.Level.HeaderBytes = *import.Bytes;
}

void EditSession::Zoom(int zoom) {
    ZoomTo(state_.View, zoom);
    Layout();
    Repaint();
}
void EditSession::Scroll(bool horizontal, int value) {
    if (!SetScrollValue(horizontal ? state_.View.H : state_.View.V, value)) return;
    RebuildVisibleList(state_.View, state_.Level);
    Repaint();
}
void EditSession::ToggleView(int toggle) {
    ViewToggles& t = state_.View.Toggles;
    switch (toggle % 7) {
        case 0:
            t.CrossSection = !t.CrossSection;
            break;
        case 1:
            t.SmallGrid = !t.SmallGrid;
            break;
        case 2:
            t.Transparent = !t.Transparent;
            break;
        case 3:
            t.Stationary = !t.Stationary;
            break;
        case 4:
            ToggleOutOfBounds(state_.View);
            Layout();
            break;
        case 5:
            t.SeparateObjects = !t.SeparateObjects;
            Layout();
            break;
        default:
            ToggleExitMode();
            return;
    }
    Repaint();
}
void EditSession::ResizeWindow(int clientWidth, int clientHeight) {
    clientWidth_ = clientWidth;
    clientHeight_ = clientHeight;
    Layout();
    Repaint();
}

void EditSession::LoadIndex(int64_t index) { Adopt(LoadLevelIndex(rom_, defs_, index)); }
void EditSession::LoadOffset(int64_t levelOffset, int64_t spriteOffset) {
    Adopt(LoadLevelOffset(rom_, defs_, levelOffset, spriteOffset));
}
SaveResult EditSession::Save() { return SaveLevel(rom_, defs_, state_.Level); }

void EditSession::Apply(const EditOutcome& outcome) {
    if (outcome.Repaint) Repaint();
    if (outcome.ShowExitInfo) BuildScreenExitInfo(state_.Level);
}

// Like the window: a failed load keeps the level; an undefined object number ends the program.
void EditSession::Adopt(LoadResult&& result) {
    if (result.EndProgram) ended_ = true;
    if (!result.Ok || result.EndProgram) return;
    state_.Level = std::move(result.Level);
    state_.Popup.Lines.clear();
    state_.Popup.Top = HiddenPopupTop;
    RebuildVisibleList(state_.View, state_.Level);
    Repaint();
}

// The window's layout pass; a minimum size it asks for is granted at once.
void EditSession::Layout() {
    LayoutInput input;
    input.ClientWidth = clientWidth_;
    input.ClientHeight = clientHeight_;
    LayoutResult result = LayoutPass(input, state_.View, state_.Level);
    if (result.ResizeWidth) clientWidth_ = result.NewWidth;
    if (result.ResizeHeight) clientHeight_ = result.NewHeight;
}

void EditSession::Repaint() {
    NullCanvas canvas;
    RepaintView(canvas, state_.View, state_.Level, defs_);
    BuildSelectionInfo(state_.Level, defs_);
    BuildScreenExitInfo(state_.Level);
}

void EditSession::RemakeList() {
    CatalogueListOptions options;
    options.Listable = listable_;
    options.Filter = filter_;
    list_ = RemakeObjectList(defs_, options);
}

}  // namespace tarnloft
