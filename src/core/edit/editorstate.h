// What the editor holds: the level, the view and the pointer tool. Only the
// Editor (edit/editor.h) changes it; its steps (mouse, commands, screen
// exits) work on it and leave the invariants to the editor's Settle step.
#pragma once
#include <string>
#include <vector>

#include "level/levelmodel.h"
#include "view/viewstate.h"

namespace tarnloft {

// What a pressed button is doing until it is released. NON is idle.
enum class PointerMode { NON, MOV, RSX, RSY, RSA, SCR, SCX };

enum class PointerShape { Arrow, Move, Cross, SizeWE, SizeNS, SizeNWSE };

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

// The pointer tool: what the held button does, and the lines of the open popup.
struct PointerTool {
    PointerMode Mode = PointerMode::NON;
    int GrabOffsetX = 0;
    int GrabOffsetY = 0;
    bool PopupOpen = false;
    std::vector<PopupLine> PopupLines;  // what a popup choice refers to
    // The Screen Exit Editor takes input once it has shown an exit, until
    // the last exit is removed.
    bool ExitEditorEnabled = false;

    bool InScreenExitMode() const { return Mode == PointerMode::SCR || Mode == PointerMode::SCX; }
};

struct EditorState {
    LevelModel Level;
    ViewState View;
    PointerTool Tool;

    bool InScreenExitMode() const { return Tool.InScreenExitMode(); }
};

}  // namespace tarnloft
