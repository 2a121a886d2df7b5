// What one editor operation changed and what to show: the answer of every
// Editor operation. Widget feedback is plain data here; the UI decides how
// to show it.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "edit/editorstate.h"
#include "util/message.h"
#include "view/layout.h"

namespace tarnloft {

// How an operation takes part in the undo history. Every Editor operation
// declares its role where it runs; the history follows the declaration.
enum class StepRole {
    None,      // changes the view, the tool or the selection only: never a step
    Edit,      // a change of the level is one step, named by the report's StepName
    Typing,    // as Edit; typing into one box of one exit folds into one step
    Pointer,   // press, move, release: a drag from press to release is one step
    NewLevel,  // replaces the level (a load, a new session): the history starts afresh
    Restore,   // puts back one side of a step (undo, redo): no step of its own
};

// The popup list on the surface: shown at (Left, Top) with these lines, or closed.
struct PopupFeedback {
    bool Shown = false;
    int Left = 0;
    int Top = 0;
    std::vector<PopupLine> Lines;
};

// The hover label on the surface. Each part is set only when it changes.
struct ToolTipFeedback {
    enum class Place { Keep, Hide, At };
    Place Placement = Place::Keep;
    int Left = 0;  // with Place::At
    int Top = 0;
    std::optional<std::string> Caption;
};

struct PointerFeedback {
    std::optional<PopupFeedback> Popup;        // set when the popup opens or closes
    std::optional<ToolTipFeedback> ToolTip;    // set when the hover label changes
    std::optional<PointerShape> Shape;         // set at each pointer move
    std::optional<std::string> MousePosition;  // lblMousePos text, set at each pointer move
};

// The text an exit list click puts into its box.
enum class ExitField { Destination, EntranceX, EntranceY, EntranceType };
struct ExitFieldText {
    ExitField Field = ExitField::Destination;
    std::string Text;
};

struct ChangeReport {
    // The operation's place in the history, declared where it runs.
    StepRole Role = StepRole::None;
    std::string StepName;  // "Move", "Create Exit", ...: the step a change of the level makes

    // What changed, found by the editor's Settle step by comparing before and after.
    bool LevelChanged = false;      // entries, exits or header bytes
    bool LevelReplaced = false;     // another level (or a restored one) took the old one's place
    bool SelectionChanged = false;  // SelectedObject or SelectedScreenExit
    bool ViewChanged = false;       // zoom, scroll bars, toggles or surface size: menu ticks
    bool ModeChanged = false;       // Screen Exit mode switched: the exit frame and its menu tick

    // What the window must show again.
    bool PictureChanged = false;   // redraw the picture and refresh the side panels
    bool ScrollChanged = false;    // scroll values or ranges changed: sync the bars
    bool ExitInfoChanged = false;  // refill the Screen Exit Editor's boxes

    MessageList Messages;  // show in order
    PointerFeedback Pointer;
    std::optional<ExitFieldText> FieldText;  // a list click picked a value for a box
    std::optional<LayoutResult> Layout;      // the layout pass ran: place the panels
};

}  // namespace tarnloft
