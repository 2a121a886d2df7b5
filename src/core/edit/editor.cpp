#include "edit/editor.h"

#include <algorithm>
#include <utility>

#include "edit/commands.h"
#include "edit/mouse.h"
#include "edit/screenexits.h"
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
    int SelectedScreenExit = 0;
    int Zoom = 0;
    ScrollBarState H, V;
    int SurfaceWidth = 0, SurfaceHeight = 0;
    ViewToggles Toggles;
    bool ExitMode = false;
    bool ExitEditorEnabled = false;

    explicit Before(const EditorState& s)
        : Entries(s.Level.LevelObjects),
          Exits(s.Level.ScreenExits),
          Header(s.Level.HeaderBytes),
          SelectedObject(s.Level.SelectedObject),
          SelectedScreenExit(s.Level.SelectedScreenExit),
          Zoom(s.View.Zoom),
          H(s.View.H),
          V(s.View.V),
          SurfaceWidth(s.View.SurfaceWidth),
          SurfaceHeight(s.View.SurfaceHeight),
          Toggles(s.View.Toggles),
          ExitMode(s.InScreenExitMode()),
          ExitEditorEnabled(s.Tool.ExitEditorEnabled) {}
};

namespace {

bool SameBar(const ScrollBarState& a, const ScrollBarState& b) {
    return a.Value == b.Value && a.Maximum == b.Maximum && a.Enabled == b.Enabled;
}

bool SameToggles(const ViewToggles& a, const ViewToggles& b) {
    return a.CrossSection == b.CrossSection && a.ScreenExitMode == b.ScreenExitMode &&
           a.SmallGrid == b.SmallGrid && a.Transparent == b.Transparent && a.Stationary == b.Stationary &&
           a.OutOfBounds == b.OutOfBounds && a.SeparateObjects == b.SeparateObjects;
}

}  // namespace

Editor::Editor(const Catalogues& defs, EditorState start) : defs_(defs) { Reset(std::move(start)); }

template <typename Step>
ChangeReport Editor::Run(Step&& step) {
    const Before before(state_);
    ChangeReport report;
    step(report);
    Settle(before, report);
    return report;
}

void Editor::Settle(const Before& before, ChangeReport& report) {
    LevelModel& level = state_.Level;
    ViewState& view = state_.View;
    // Operations that replace the level (Reset, AdoptLevel, Restore) say so
    // before settling; everything is then derived afresh.
    const bool replaced = report.LevelChanged;
    const bool contentChanged =
        replaced || before.Entries != level.LevelObjects || before.Exits != level.ScreenExits;
    report.ViewChanged = before.Zoom != view.Zoom || !SameBar(before.H, view.H) ||
                         !SameBar(before.V, view.V) || before.SurfaceWidth != view.SurfaceWidth ||
                         before.SurfaceHeight != view.SurfaceHeight ||
                         !SameToggles(before.Toggles, view.Toggles);

    // Byte counters follow from what the streams will hold.
    if (contentChanged) {
        level.ObjectBytesUsed = MeasureObjectBytes(defs_, level);
        level.SpriteBytesUsed = MeasureSpriteBytes(level);
    }
    // Selections name an entry / exit when there is one.
    level.SelectedObject = std::clamp(level.SelectedObject, 0, std::max(0, level.LastObjectIndex()));
    level.SelectedScreenExit =
        level.ScreenExits.empty() ? -1 : std::clamp(level.SelectedScreenExit, 0, level.LastScreenExit());
    // The items in view follow from the view and the entries.
    if (contentChanged || report.ViewChanged) RebuildVisibleList(view, level);
    // Whatever refreshes the panels shows the selected exit, which enables its editor.
    if ((report.PictureChanged || report.ExitInfoChanged) && level.SelectedScreenExit >= 0)
        state_.Tool.ExitEditorEnabled = true;

    report.LevelChanged = contentChanged || before.Header != level.HeaderBytes;
    report.SelectionChanged = report.SelectionChanged || before.SelectedObject != level.SelectedObject ||
                              before.SelectedScreenExit != level.SelectedScreenExit;
    report.ExitsChanged =
        before.Exits != level.ScreenExits || before.SelectedScreenExit != level.SelectedScreenExit;
    report.ModeChanged = before.ExitMode != state_.InScreenExitMode() ||
                         before.ExitEditorEnabled != state_.Tool.ExitEditorEnabled ||
                         before.Toggles.ScreenExitMode != view.Toggles.ScreenExitMode;
}

ChangeReport Editor::Reset(EditorState state) {
    return Run([&](ChangeReport& report) {
        state_ = std::move(state);
        report.LevelChanged = report.SelectionChanged = true;
        report.PictureChanged = report.ScrollChanged = true;
    });
}

ChangeReport Editor::AdoptLevel(LevelModel level) {
    return Run([&](ChangeReport& report) {
        state_.Level = std::move(level);
        // Popup lines name entries of the level that was on screen.
        state_.Tool.PopupLines.clear();
        ClosePopup(state_, report);
        report.LevelChanged = true;
        report.PictureChanged = true;
    });
}

ChangeReport Editor::SetHeader(const HeaderBytesArray& bytes) {
    return Run([&](ChangeReport&) { state_.Level.HeaderBytes = bytes; });
}

ChangeReport Editor::MoveHome(const LevelModel& moved) {
    return Run([&](ChangeReport& r) {
        KeepHome(state_.Level, moved);
        r.PictureChanged = true;  // the byte counters show the new rooms
    });
}

ChangeReport Editor::Press(MouseButton button, double x, double y) {
    return Run([&](ChangeReport& r) { MousePress(state_, defs_, button, x, y, r); });
}

ChangeReport Editor::Move(MouseButton held, double x, double y) {
    return Run([&](ChangeReport& r) { MouseMove(state_, defs_, held, x, y, r); });
}

ChangeReport Editor::Release() {
    return Run([&](ChangeReport& r) { MouseRelease(state_, r); });
}

ChangeReport Editor::ChoosePopupLine(int line) {
    return Run([&](ChangeReport& r) { PopupChoice(state_, line, r); });
}

ChangeReport Editor::Create(std::optional<int> catalogueValue) {
    return Run([&](ChangeReport& r) { CreateItem(state_, defs_, catalogueValue, r); });
}

ChangeReport Editor::Remove() {
    return Run([&](ChangeReport& r) { RemoveItem(state_, r); });
}

ChangeReport Editor::Clear() {
    return Run([&](ChangeReport& r) { ClearLevel(state_, r); });
}

ChangeReport Editor::Goto() {
    return Run([&](ChangeReport& r) { GotoObject(state_, r); });
}

ChangeReport Editor::Next() {
    return Run([&](ChangeReport& r) { NextObject(state_, r); });
}

ChangeReport Editor::Previous() {
    return Run([&](ChangeReport& r) { PreviousObject(state_, r); });
}

ChangeReport Editor::Arrow(ArrowDirection direction) {
    return Run([&](ChangeReport& r) { ArrowKey(state_, direction, r); });
}

ChangeReport Editor::ToggleScreenExitMode() {
    return Run([&](ChangeReport& r) { tarnloft::ToggleScreenExitMode(state_, r); });
}

ChangeReport Editor::MoveExit(ArrowDirection direction) {
    return Run([&](ChangeReport& r) { tarnloft::MoveExit(state_, direction, r); });
}

ChangeReport Editor::ExitNext() {
    return Run([&](ChangeReport& r) { tarnloft::ExitNext(state_, r); });
}

ChangeReport Editor::ExitPrevious() {
    return Run([&](ChangeReport& r) { tarnloft::ExitPrevious(state_, r); });
}

ChangeReport Editor::ExitGoto() {
    return Run([&](ChangeReport& r) { tarnloft::ExitGoto(state_, r); });
}

ChangeReport Editor::StoreExitField(ExitField field, const std::string& text) {
    return Run([&](ChangeReport& r) { tarnloft::StoreExitField(state_, field, text, r); });
}

ChangeReport Editor::PickExitValue(ExitField field, int value) {
    return Run([&](ChangeReport& r) { tarnloft::PickExitValue(state_, field, value, r); });
}

void Editor::LayoutStep(const LayoutInput& input, ChangeReport& report) {
    const int width = state_.View.SurfaceWidth, height = state_.View.SurfaceHeight;
    report.Layout = LayoutPass(input, state_.View, state_.Level);
    if (report.Layout->Skipped) return;
    report.ScrollChanged = true;  // the ranges follow the surface size
    // The picture follows the surface size and the scroll positions.
    if (report.Layout->ScrollChanged || width != state_.View.SurfaceWidth ||
        height != state_.View.SurfaceHeight)
        report.PictureChanged = true;
}

ChangeReport Editor::Layout(const LayoutInput& input) {
    return Run([&](ChangeReport& r) { LayoutStep(input, r); });
}

ChangeReport Editor::Zoom(int zoom, const LayoutInput& input) {
    return Run([&](ChangeReport& r) {
        ZoomTo(state_.View, zoom);
        LayoutStep(input, r);
        // The picture persists between paints, so it is rebuilt for the new zoom at once.
        r.PictureChanged = true;
    });
}

ChangeReport Editor::ToggleOutOfBounds(const LayoutInput& input) {
    return Run([&](ChangeReport& r) {
        tarnloft::ToggleOutOfBounds(state_.View);
        LayoutStep(input, r);
    });
}

ChangeReport Editor::ToggleSeparateObjects(const LayoutInput& input) {
    return Run([&](ChangeReport& r) {
        state_.View.Toggles.SeparateObjects = !state_.View.Toggles.SeparateObjects;
        LayoutStep(input, r);
    });
}

ChangeReport Editor::Toggle(ViewToggle toggle) {
    return Run([&](ChangeReport& r) {
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
    return Run([&](ChangeReport& r) {
        if (SetScrollValue(horizontal ? state_.View.H : state_.View.V, value)) r.PictureChanged = true;
    });
}

ChangeReport Editor::WheelScroll(int columns, int rows) {
    return Run([&](ChangeReport& r) {
        const bool h = columns != 0 && ScrollWithin(state_.View.H, state_.View.H.Value + columns);
        const bool v = rows != 0 && ScrollWithin(state_.View.V, state_.View.V.Value + rows);
        if (h || v) r.ScrollChanged = r.PictureChanged = true;
    });
}

ChangeReport Editor::WheelZoom(int zoom, double x, double y, const LayoutInput& input) {
    return Run([&](ChangeReport& r) {
        const TilePoint scroll = AnchoredScroll(state_.View, zoom, x, y);
        ZoomTo(state_.View, zoom);
        LayoutStep(input, r);
        ScrollWithin(state_.View.H, scroll.X);
        ScrollWithin(state_.View.V, scroll.Y);
        r.ScrollChanged = r.PictureChanged = true;
    });
}

ChangeReport Editor::Redraw() {
    return Run([](ChangeReport& r) { r.PictureChanged = true; });
}

EditorSnapshot Editor::Snapshot() const { return EditorSnapshot{state_.Level}; }

ChangeReport Editor::Restore(const EditorSnapshot& snapshot) {
    return Run([&](ChangeReport& report) {
        // A restore that puts back what is there changes no content.
        const bool same = snapshot.Level.LevelObjects == state_.Level.LevelObjects &&
                          snapshot.Level.ScreenExits == state_.Level.ScreenExits;
        const LevelModel home = state_.Level;
        state_.Level = snapshot.Level;
        KeepHome(state_.Level, home);
        // A drag in progress ends: its entry may be gone. The exit editor
        // takes input only while there are exits, as after a removal.
        PointerMode& mode = state_.Tool.Mode;
        if (mode != PointerMode::SCR && mode != PointerMode::SCX) mode = PointerMode::NON;
        if (state_.Level.ScreenExits.empty()) state_.Tool.ExitEditorEnabled = false;
        report.LevelChanged = !same;
        state_.Tool.PopupLines.clear();
        ClosePopup(state_, report);
        report.PictureChanged = true;
        report.ExitInfoChanged = true;
    });
}

}  // namespace tarnloft
