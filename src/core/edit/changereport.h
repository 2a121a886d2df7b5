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
    // What changed, found by the editor's Settle step by comparing before and after.
    bool LevelChanged = false;      // entries, exits or header bytes (one step of a history)
    bool SelectionChanged = false;  // SelectedObject or SelectedScreenExit
    bool ViewChanged = false;       // zoom, scroll positions, toggles or surface size
    bool ExitsChanged = false;      // the exit list or the selected exit

    // What the window must show again.
    bool PictureChanged = false;   // redraw the picture and refresh the side panels
    bool ScrollChanged = false;    // scroll values or ranges changed: sync the bars
    bool ExitInfoChanged = false;  // refill the Screen Exit Editor's boxes
    bool ModeChanged = false;      // Screen Exit mode switched: frame and menu tick

    MessageList Messages;  // show in order
    PointerFeedback Pointer;
    std::optional<ExitFieldText> FieldText;  // a list click picked a value for a box
    std::optional<LayoutResult> Layout;      // the layout pass ran: place the panels
};

}  // namespace tarnloft
