// The Editor: the level, the view and the pointer tool in one object whose
// operations are the only way to change them. Every operation declares its
// place in the undo history, runs its step, and then one step, Settle, keeps
// the rules that follow from the state (byte counters from the measuring
// functions, selection and exit indices in range, the visible list from the
// view, the hover label over a changed picture); it returns a ChangeReport.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogues.h"
#include "edit/changereport.h"
#include "level/header.h"
#include "view/layout.h"

namespace tarnloft {

// What restoring needs: the level model with its selection (cheap to copy).
struct EditorSnapshot {
    LevelModel Level;
};

enum class ViewToggle { CrossSection, SmallGrid, Transparent, Stationary };

class Editor {
public:
    // `defs` must outlive the editor. `start` is settled at once.
    explicit Editor(const Catalogues& defs, EditorState start = {});

    const Catalogues& Defs() const { return defs_; }
    const EditorState& State() const { return state_; }
    const LevelModel& Level() const { return state_.Level; }
    const ViewState& View() const { return state_.View; }
    const PointerTool& Tool() const { return state_.Tool; }

    // Replaces the whole state (a new session, tests, benchmarks).
    ChangeReport Reset(EditorState state);
    // A loaded level replaces the old one; zoom, scroll positions and toggles stay.
    ChangeReport AdoptLevel(LevelModel level);
    // Takes over edited header bytes; they reach the image with the next save.
    ChangeReport SetHeader(const HeaderBytesArray& bytes);
    // The level was moved to a new home in the image: its positions and
    // rooms become `moved`'s. Its content and the history stay as they are.
    ChangeReport MoveHome(const LevelModel& moved);

    // The pointer on the surface, in pixels of the surface (fractions kept).
    ChangeReport Press(MouseButton button, double x, double y);
    // A press with Ctrl or Shift held (selecting several items).
    ChangeReport PressHolding(MouseButton button, double x, double y, PressKeys keys);
    ChangeReport Move(MouseButton held, double x, double y);
    ChangeReport Release();
    // A click on line `line` (0-based) of the popup list.
    ChangeReport ChoosePopupLine(int line);

    // The object commands; in Screen Exit mode Create, Remove and Clear act on exits.
    ChangeReport Create(std::optional<int> catalogueValue);
    ChangeReport Remove();  // also the Delete key
    ChangeReport Clear();

    // The selection as a set (edit/selection.h): every entry, or the primary
    // alone (Escape). Cut removes the set after the window copied it.
    ChangeReport SelectAll();
    ChangeReport ReduceSelection();
    ChangeReport Cut();
    // `items` hold positions relative to their top-left tile; it lands on the
    // tile under `pointer` (when it is over the surface), else on the view's
    // top-left tile.
    ChangeReport Paste(std::vector<LevelObject> items, std::optional<PointerPosition> pointer);
    ChangeReport Goto();
    ChangeReport Next();
    ChangeReport Previous();
    ChangeReport Arrow(ArrowDirection direction);  // the arrow keys scroll one tile

    // The Screen Exit Editor.
    ChangeReport ToggleScreenExitMode();
    ChangeReport MoveExit(ArrowDirection direction);
    ChangeReport ExitNext();
    ChangeReport ExitPrevious();
    ChangeReport ExitGoto();
    ChangeReport StoreExitField(ExitField field, const std::string& text);
    ChangeReport PickExitValue(ExitField field, int value);

    // The view. Operations that move panels take the window's layout input
    // and report the layout in ChangeReport::Layout.
    ChangeReport Layout(const LayoutInput& input);
    ChangeReport Zoom(int zoom, const LayoutInput& input);
    ChangeReport ToggleOutOfBounds(const LayoutInput& input);
    ChangeReport ToggleSeparateObjects(const LayoutInput& input);
    ChangeReport Toggle(ViewToggle toggle);
    ChangeReport ScrollTo(bool horizontal, int value);
    // The mouse wheel: scroll by whole tiles within the scroll ranges, or zoom
    // keeping the tile under the pointer (x, y) under it.
    ChangeReport WheelScroll(int columns, int rows);
    ChangeReport WheelZoom(int zoom, double x, double y, const LayoutInput& input);

    // Changes nothing; the picture and the panels are shown again.
    ChangeReport Redraw();

    // For undo and redo: the level and its selection, and putting them back.
    // The level's home in the image (positions and rooms) is never put back.
    EditorSnapshot Snapshot() const;
    ChangeReport Restore(const EditorSnapshot& snapshot);

private:
    struct Before;
    // Runs one operation on the state, then Settle. `role` and `stepName`
    // declare how it enters the undo history (StepRole in changereport.h).
    template <typename Step>
    ChangeReport Run(StepRole role, std::string stepName, Step&& step);
    // The step name of a command that acts on exits in Screen Exit mode.
    std::string ForMode(const char* objects, const char* exits) const;
    void LayoutStep(const LayoutInput& input, ChangeReport& report);
    // The one place where the editor's invariants are kept.
    void Settle(const Before& before, ChangeReport& report);

    const Catalogues& defs_;
    EditorState state_;
};

}  // namespace tarnloft
