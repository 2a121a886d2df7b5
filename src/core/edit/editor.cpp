#include "edit/editor.h"

#include <algorithm>
#include <utility>

#include "edit/commands.h"
#include "edit/mouse.h"
#include "edit/screenexits.h"
#include "edit/selection.h"
#include "edit/wheel.h"
#include "level/objectstream.h"
#include "level/spritestream.h"
#include "view/viewport.h"

namespace tarnloft {

// What Settle compares with to tell what an operation changed.
struct Editor::Before {
    std::vector<LevelObject> Entries;
    std::vector<ScreenExit> Exits;
    HeaderBytesArray Header{};
    int SelectedObject = 0;
    std::vector<int> Selection;
    int SelectedScreenExit = 0;
    int Zoom = 0;
    ScrollBarState H, V;
    int SurfaceWidth = 0, SurfaceHeight = 0;
    ViewToggles Toggles;
    bool ExitMode = false;

    explicit Before(const EditorState& s)
        : Entries(s.Level.LevelObjects),
          Exits(s.Level.ScreenExits),
          Header(s.Level.HeaderBytes),
          SelectedObject(s.Level.SelectedObject),
          Selection(s.Level.Selection),
          SelectedScreenExit(s.Level.SelectedScreenExit),
          Zoom(s.View.Zoom),
          H(s.View.H),
          V(s.View.V),
          SurfaceWidth(s.View.SurfaceWidth),
          SurfaceHeight(s.View.SurfaceHeight),
          Toggles(s.View.Toggles),
          ExitMode(s.InScreenExitMode()) {}
};

namespace {

bool SameBar(const ScrollBarState& a, const ScrollBarState& b) {
    return a.Value == b.Value && a.Maximum == b.Maximum && a.Enabled == b.Enabled;
}

bool SameToggles(const ViewToggles& a, const ViewToggles& b) {
    return a.CrossSection == b.CrossSection && a.SmallGrid == b.SmallGrid && a.Transparent == b.Transparent &&
           a.Stationary == b.Stationary && a.OutOfBounds == b.OutOfBounds &&
           a.SeparateObjects == b.SeparateObjects;
}

// The step a pointer operation belongs to: a middle press's copy, or the
// drag in progress from the press that opens it to the release.
std::string PointerStepName(MouseButton pressed, PointerMode mode) {
    if (pressed == MouseButton::Middle) return "Duplicate";
    if (mode == PointerMode::Moving) return "Move";
    return IsDrag(mode) ? "Resize" : "";
}

}  // namespace

Editor::Editor(const Catalogues& defs, EditorState start) : defs_(defs) { Reset(std::move(start)); }

template <typename Step>
ChangeReport Editor::Run(StepRole role, std::string stepName, Step&& step) {
    const Before before(state_);
    ChangeReport report;
    report.Role = role;
    report.StepName = std::move(stepName);
    step(report);
    Settle(before, report);
    return report;
}

std::string Editor::ForMode(const char* objects, const char* exits) const {
    return state_.InScreenExitMode() ? exits : objects;
}

void Editor::Settle(const Before& before, ChangeReport& report) {
    LevelModel& level = state_.Level;
    ViewState& view = state_.View;
    // Operations that replace the level (Reset, AdoptLevel, Restore) say so;
    // everything is then derived afresh.
    const bool replaced = report.LevelReplaced;
    const bool entriesDiffer = before.Entries != level.LevelObjects || before.Exits != level.ScreenExits;
    const bool contentChanged = replaced || entriesDiffer;
    const bool scrollChanged = !SameBar(before.H, view.H) || !SameBar(before.V, view.V);
    const bool viewMoved = before.Zoom != view.Zoom || before.H.Value != view.H.Value ||
                           before.V.Value != view.V.Value || before.SurfaceWidth != view.SurfaceWidth ||
                           before.SurfaceHeight != view.SurfaceHeight;
    report.ViewChanged = viewMoved || scrollChanged || !SameToggles(before.Toggles, view.Toggles);

    // Byte counters follow from what the streams will hold.
    if (contentChanged) {
        level.ObjectBytesUsed = MeasureObjectBytes(defs_, level);
        level.SpriteBytesUsed = MeasureSpriteBytes(level);
    }
    // Selections name an entry / exit when there is one.
    level.SelectedObject = std::clamp(level.SelectedObject, 0, std::max(0, level.LastObjectIndex()));
    level.SelectedScreenExit =
        level.ScreenExits.empty() ? -1 : std::clamp(level.SelectedScreenExit, 0, level.LastScreenExit());
    SettleSelection(level);
    // The rubber band shows while a drag draws one, and only then.
    if (state_.Tool.Mode != PointerMode::RubberBand && view.RubberBand) {
        view.RubberBand.reset();
        report.PictureChanged = true;
    }
    // The items in view follow from the view and the entries; the bars and
    // the picture follow the view.
    if (contentChanged || report.ViewChanged) RebuildVisibleList(view, level);
    report.ScrollChanged = report.ScrollChanged || scrollChanged;
    report.PictureChanged = report.PictureChanged || viewMoved;
    // A still pointer's label names what lies under it now.
    if (contentChanged || report.ViewChanged) RefreshHoverLabel(state_, defs_, replaced, report);

    report.LevelChanged = entriesDiffer || before.Header != level.HeaderBytes;
    report.SelectionChanged = report.SelectionChanged || before.SelectedObject != level.SelectedObject ||
                              before.SelectedScreenExit != level.SelectedScreenExit ||
                              before.Selection != level.Selection;
    report.ModeChanged = before.ExitMode != state_.InScreenExitMode();
}

ChangeReport Editor::Reset(EditorState state) {
    return Run(StepRole::NewLevel, "", [&](ChangeReport& report) {
        state_ = std::move(state);
        report.LevelReplaced = report.SelectionChanged = true;
        report.PictureChanged = report.ScrollChanged = report.ExitInfoChanged = true;
    });
}

ChangeReport Editor::AdoptLevel(LevelModel level) {
    return Run(StepRole::NewLevel, "", [&](ChangeReport& report) {
        state_.Level = std::move(level);
        // Popup lines name entries of the level that was on screen.
        state_.Tool.PopupLines.clear();
        ClosePopup(state_, report);
        report.LevelReplaced = true;
        report.PictureChanged = true;
    });
}

ChangeReport Editor::SetHeader(const HeaderBytesArray& bytes) {
    return Run(StepRole::Edit, "Edit Header", [&](ChangeReport&) { state_.Level.HeaderBytes = bytes; });
}

ChangeReport Editor::MoveHome(const LevelModel& moved) {
    return Run(StepRole::None, "", [&](ChangeReport& r) {
        KeepHome(state_.Level, moved);
        r.PictureChanged = true;  // the byte counters show the new rooms
    });
}

ChangeReport Editor::Press(MouseButton button, double x, double y) { return PressHolding(button, x, y, {}); }

ChangeReport Editor::PressHolding(MouseButton button, double x, double y, PressKeys keys) {
    return Run(StepRole::Pointer, "", [&](ChangeReport& r) {
        MousePress(state_, defs_, button, x, y, keys, r);
        r.StepName = PointerStepName(button, state_.Tool.Mode);
    });
}

ChangeReport Editor::Move(MouseButton held, double x, double y) {
    return Run(StepRole::Pointer, "", [&](ChangeReport& r) {
        MouseMove(state_, defs_, held, x, y, r);
        r.StepName = PointerStepName(MouseButton::None, state_.Tool.Mode);
    });
}

ChangeReport Editor::Release() {
    return Run(StepRole::Pointer, "", [&](ChangeReport& r) { MouseRelease(state_, defs_, r); });
}

ChangeReport Editor::ChoosePopupLine(int line) {
    return Run(StepRole::Edit, "Bring to Front", [&](ChangeReport& r) { PopupChoice(state_, line, r); });
}

ChangeReport Editor::Create(std::optional<int> catalogueValue) {
    return Run(StepRole::Edit, ForMode("Create", "Create Exit"),
               [&](ChangeReport& r) { CreateItem(state_, defs_, catalogueValue, r); });
}

ChangeReport Editor::Remove() {
    return Run(StepRole::Edit, ForMode("Remove", "Remove Exit"),
               [&](ChangeReport& r) { RemoveItem(state_, r); });
}

ChangeReport Editor::Cut() {
    if (state_.InScreenExitMode()) return Run(StepRole::None, "", [](ChangeReport&) {});
    return Run(StepRole::Edit, "Cut", [&](ChangeReport& r) { RemoveItem(state_, r); });
}

ChangeReport Editor::Paste(std::vector<LevelObject> items, std::optional<PointerPosition> pointer) {
    return Run(StepRole::Edit, "Paste",
               [&](ChangeReport& r) { PasteItems(state_, defs_, std::move(items), pointer, r); });
}

ChangeReport Editor::SelectAll() {
    return Run(StepRole::None, "", [&](ChangeReport& r) {
        tarnloft::SelectAll(state_.Level);
        r.PictureChanged = true;
    });
}

ChangeReport Editor::ReduceSelection() {
    return Run(StepRole::None, "", [&](ChangeReport& r) {
        ReduceToPrimary(state_.Level);
        r.PictureChanged = true;
    });
}

ChangeReport Editor::Clear() {
    return Run(StepRole::Edit, ForMode("Clear", "Clear Exits"),
               [&](ChangeReport& r) { ClearLevel(state_, r); });
}

ChangeReport Editor::Goto() {
    return Run(StepRole::None, "", [&](ChangeReport& r) { GotoObject(state_, r); });
}

ChangeReport Editor::Next() {
    return Run(StepRole::None, "", [&](ChangeReport& r) { NextObject(state_, r); });
}

ChangeReport Editor::Previous() {
    return Run(StepRole::None, "", [&](ChangeReport& r) { PreviousObject(state_, r); });
}

ChangeReport Editor::Arrow(ArrowDirection direction) {
    return Run(StepRole::None, "", [&](ChangeReport& r) { ArrowKey(state_, direction, r); });
}

ChangeReport Editor::ToggleScreenExitMode() {
    return Run(StepRole::None, "", [&](ChangeReport& r) { tarnloft::ToggleScreenExitMode(state_, r); });
}

ChangeReport Editor::MoveExit(ArrowDirection direction) {
    return Run(StepRole::Edit, "Move Exit",
               [&](ChangeReport& r) { tarnloft::MoveExit(state_, direction, r); });
}

ChangeReport Editor::ExitNext() {
    return Run(StepRole::None, "", [&](ChangeReport& r) { tarnloft::ExitNext(state_, r); });
}

ChangeReport Editor::ExitPrevious() {
    return Run(StepRole::None, "", [&](ChangeReport& r) { tarnloft::ExitPrevious(state_, r); });
}

ChangeReport Editor::ExitGoto() {
    return Run(StepRole::None, "", [&](ChangeReport& r) { tarnloft::ExitGoto(state_, r); });
}

ChangeReport Editor::StoreExitField(ExitField field, const std::string& text) {
    return Run(StepRole::Typing, "Edit Exit",
               [&](ChangeReport& r) { tarnloft::StoreExitField(state_, field, text, r); });
}

ChangeReport Editor::PickExitValue(ExitField field, int value) {
    return Run(StepRole::Edit, "Edit Exit",
               [&](ChangeReport& r) { tarnloft::PickExitValue(state_, field, value, r); });
}

void Editor::LayoutStep(const LayoutInput& input, ChangeReport& report) {
    report.Layout = LayoutPass(input, state_.View, state_.Level);
}

ChangeReport Editor::Layout(const LayoutInput& input) {
    return Run(StepRole::None, "", [&](ChangeReport& r) { LayoutStep(input, r); });
}

ChangeReport Editor::Zoom(int zoom, const LayoutInput& input) {
    return Run(StepRole::None, "", [&](ChangeReport& r) {
        ZoomTo(state_.View, zoom);
        LayoutStep(input, r);
        // The picture persists between paints, so it is rebuilt for the new zoom at once.
        r.PictureChanged = true;
    });
}

ChangeReport Editor::ToggleOutOfBounds(const LayoutInput& input) {
    return Run(StepRole::None, "", [&](ChangeReport& r) {
        tarnloft::ToggleOutOfBounds(state_.View);
        LayoutStep(input, r);
    });
}

ChangeReport Editor::ToggleSeparateObjects(const LayoutInput& input) {
    return Run(StepRole::None, "", [&](ChangeReport& r) {
        state_.View.Toggles.SeparateObjects = !state_.View.Toggles.SeparateObjects;
        LayoutStep(input, r);
    });
}

ChangeReport Editor::Toggle(ViewToggle toggle) {
    return Run(StepRole::None, "", [&](ChangeReport& r) {
        ViewToggles& t = state_.View.Toggles;
        bool& value = toggle == ViewToggle::CrossSection  ? t.CrossSection
                      : toggle == ViewToggle::SmallGrid   ? t.SmallGrid
                      : toggle == ViewToggle::Transparent ? t.Transparent
                                                          : t.Stationary;
        value = !value;
        r.PictureChanged = true;
    });
}

ChangeReport Editor::ScrollTo(bool horizontal, int value) {
    return Run(StepRole::None, "",
               [&](ChangeReport&) { SetScrollValue(horizontal ? state_.View.H : state_.View.V, value); });
}

ChangeReport Editor::WheelScroll(int columns, int rows) {
    return Run(StepRole::None, "", [&](ChangeReport&) {
        if (columns != 0) SetScrollValue(state_.View.H, state_.View.H.Value + columns);
        if (rows != 0) SetScrollValue(state_.View.V, state_.View.V.Value + rows);
    });
}

ChangeReport Editor::WheelZoom(int zoom, double x, double y, const LayoutInput& input) {
    return Run(StepRole::None, "", [&](ChangeReport& r) {
        const TilePoint scroll = AnchoredScroll(state_.View, zoom, x, y);
        ZoomTo(state_.View, zoom);
        LayoutStep(input, r);
        SetScrollValue(state_.View.H, scroll.X);
        SetScrollValue(state_.View.V, scroll.Y);
        r.PictureChanged = true;
    });
}

ChangeReport Editor::Redraw() {
    return Run(StepRole::None, "", [](ChangeReport& r) { r.PictureChanged = true; });
}

EditorSnapshot Editor::Snapshot() const { return EditorSnapshot{state_.Level}; }

ChangeReport Editor::Restore(const EditorSnapshot& snapshot) {
    return Run(StepRole::Restore, "", [&](ChangeReport& report) {
        // The level's home in the image stays where the last save put it.
        LevelModel level = snapshot.Level;
        KeepHome(level, state_.Level);
        state_.Level = std::move(level);
        // A drag in progress ends: its entry may be gone.
        if (!state_.InScreenExitMode()) state_.Tool.Mode = PointerMode::Idle;
        state_.Tool.PopupLines.clear();
        ClosePopup(state_, report);
        report.LevelReplaced = true;
        report.PictureChanged = report.ExitInfoChanged = true;
    });
}

}  // namespace tarnloft
