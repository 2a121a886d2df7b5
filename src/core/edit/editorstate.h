// What the editor holds: the level, the view and the pointer tool. Only the
// Editor (edit/editor.h) changes it; its steps (mouse, commands, screen
// exits) work on it and leave the invariants to the editor's Settle step.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "level/levelmodel.h"
#include "view/viewstate.h"

namespace tarnloft {

// What a pressed button is doing until it is released.
enum class PointerMode {
    Idle,            // no drag; the commands act on objects
    Moving,          // the left button drags the selected entry
    ResizingWidth,   // ... its width handle
    ResizingHeight,  // ... its height handle
    ResizingBoth,    // ... both handles at once (the corner)
    ExitPressed,     // a screen exit marker is pressed: Screen Exit mode is on
    ExitEditing,     // Screen Exit mode: the exit editor is shown, the commands act on exits
    RubberBand,      // a left drag from empty space selects what its band encloses
};

// The modes in which moving the pointer with the left button changes the selected entry.
inline bool IsDrag(PointerMode mode) {
    return mode == PointerMode::Moving || mode == PointerMode::ResizingWidth ||
           mode == PointerMode::ResizingHeight || mode == PointerMode::ResizingBoth;
}

enum class PointerShape { Arrow, Move, Cross, SizeWE, SizeNS, SizeNWSE };

// Keys held with a press: Ctrl adds an item to the selection or takes it
// out; with either, a rubber band adds to what was selected.
struct PressKeys {
    bool Ctrl = false;
    bool Shift = false;
};

// The button that changed or is held. None: no button at all. Several: a
// combination of buttons, which counts as none of Left, Right and Middle
// (no drag step runs) but is not "no button" either (no hover feedback).
enum class MouseButton { None, Left, Right, Middle, Several };

// The arrow keys, and the four move buttons of the Screen Exit Editor.
enum class ArrowDirection { Left, Up, Right, Down };

struct PopupLine {
    std::string Text;
    int Index = 0;  // entry of LevelObjects, taken at the right press
    friend bool operator==(const PopupLine& a, const PopupLine& b) {
        return a.Text == b.Text && a.Index == b.Index;
    }
};

// A pointer position in pixels of the surface, fractions kept.
struct PointerPosition {
    double X = 0;
    double Y = 0;
};

// The pointer tool: what the held button does, the lines of the open popup,
// and where the pointer was last seen with what the hover label names there.
struct PointerTool {
    PointerMode Mode = PointerMode::Idle;
    int GrabOffsetX = 0;
    int GrabOffsetY = 0;
    bool ButtonHeld = false;  // from a press until the release
    bool PopupOpen = false;
    std::vector<PopupLine> PopupLines;  // what a popup choice refers to
    std::optional<PointerPosition> LastPosition;
    std::string HoverCaption;  // what the hover label shows
    bool BandAdds = false;     // the rubber band keeps what was selected before
    // A plain press on a member of a group: without a move, the release
    // leaves that member alone selected.
    bool ReduceOnRelease = false;

    bool InScreenExitMode() const {
        return Mode == PointerMode::ExitPressed || Mode == PointerMode::ExitEditing;
    }
    bool Dragging() const { return IsDrag(Mode); }
};

struct EditorState {
    LevelModel Level;
    ViewState View;
    PointerTool Tool;

    bool InScreenExitMode() const { return Tool.InScreenExitMode(); }
    // The Screen Exit Editor takes input while there is an exit to show
    // (Settle keeps SelectedScreenExit at -1 exactly when there is none).
    bool ExitEditorEnabled() const { return Level.SelectedScreenExit >= 0; }
};

}  // namespace tarnloft
