// Everything the main window edits: the level, the view, the pointer mode
// and the small floating controls on the drawing surface. The window holds
// one EditorState and mirrors it onto its widgets after each operation.
#pragma once
#include <string>
#include <vector>

#include "level/levelmodel.h"
#include "util/message.h"
#include "view/viewstate.h"

namespace tarnloft {

// What a pressed button is doing until it is released. NON is idle.
enum class PointerMode { NON, MOV, RSX, RSY, RSA, SCR, SCX };

enum class PointerShape { Arrow, Move, Cross, SizeWE, SizeNS, SizeNWSE };

// The button that changed or is held. None: no button at all. Several: a
// combination of buttons, which counts as none of Left, Right and Middle
// (no drag step runs) but is not "no button" either (no hover feedback).
enum class MouseButton { None, Left, Right, Middle, Several };

inline constexpr int HiddenPopupTop = -512;
inline constexpr int HiddenToolTipTop = -32;

struct PopupLine {
    std::string Text;
    int Index = 0;  // entry of LevelObjects, taken at the right press
};

// lstPopup: placed on the surface; hidden by moving it to top -512.
struct PopupState {
    std::vector<PopupLine> Lines;
    int Left = 0;
    int Top = HiddenPopupTop;
    bool Shown() const { return Top != HiddenPopupTop; }
};

// lblToolTip: placed on the surface; hidden by moving it to top -32.
struct ToolTipState {
    std::string Caption;
    int Left = 0;
    int Top = HiddenToolTipTop;
};

struct EditorState {
    LevelModel Level;
    ViewState View;
    PointerMode Mode = PointerMode::NON;
    int GrabOffsetX = 0;
    int GrabOffsetY = 0;
    PopupState Popup;
    ToolTipState ToolTip;
    PointerShape Shape = PointerShape::Arrow;
    std::string MousePos;                 // caption of lblMousePos
    bool ScreenExitFrameShown = false;    // fraScreenExits visible
    bool ScreenExitFrameEnabled = false;  // fraScreenExits enabled

    bool InScreenExitMode() const { return Mode == PointerMode::SCR || Mode == PointerMode::SCX; }
};

// What the window must do after an operation.
struct EditOutcome {
    MessageList Messages;        // show in order
    bool Repaint = false;        // run RepaintView and refresh the side panels
    bool ScrollChanged = false;  // scroll values changed: sync the scroll bars
    // Run ShowScreenExitInfo (fill the four exit boxes from SelectedScreenExit
    // when it is not -1) without a full repaint. Repaint implies it as well.
    bool ShowExitInfo = false;
};

}  // namespace tarnloft
