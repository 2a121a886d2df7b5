// The side-panel texts: what is selected (lblObjectInfo), the byte budgets
// of the two streams (lblByteUsage, lblSByteUsage, lblByteUsage2) and the
// fields of the Screen Exit Editor. Built from the model only.
#pragma once
#include <optional>
#include <string>

#include "catalogue/catalogues.h"
#include "level/levelmodel.h"
#include "util/rgb.h"

namespace tarnloft {

struct SelectionInfo {
    std::string ObjectInfo;       // lblObjectInfo caption, lines joined by "\r\n"
    std::string ByteUsage;        // lblByteUsage caption, "used/room"
    std::string SpriteByteUsage;  // lblSByteUsage caption
    Rgb ByteUsageColour;          // red when the object stream is over budget, else black
    Rgb SpriteByteUsageColour;
    // Tooltips of the two usage labels: which other levels share the stream
    // (a save changes them too); empty when none does.
    std::string ByteUsageToolTip;
    std::string SpriteByteUsageToolTip;
};

struct ScreenExitFields {
    std::string EntranceType;  // txtEntranceType
    std::string EntranceX;     // txtEntranceX
    std::string EntranceY;     // txtEntranceY
    std::string Destination;   // txtExitDestination
};

struct ScreenExitInfo {
    // The selected exit's boxes; none when no exit is selected, so the
    // editor's boxes keep what they showed.
    std::optional<ScreenExitFields> Fields;
    // lblByteUsage2: the object stream's budget, which belongs to the level
    // and is shown with or without an exit.
    std::string ByteUsage;
    Rgb ByteUsageColour;
};

// Which other levels share a stream, for a tooltip; empty when none does.
std::string SharingText(const char* what, const std::vector<int>& levels);

// "used/room" in decimal.
std::string ByteUsageText(int64_t used, int64_t room);
// Black within budget, red over it.
Rgb ByteUsageColour(int64_t used, int64_t room);

// An extent as the object info shows it: decimal when 0 or more, otherwise
// "-" and the magnitude in hex.
std::string ExtentText(int extent);

// Object info of entry SelectedObject (empty when it names no entry) and both budgets.
SelectionInfo BuildSelectionInfo(const LevelModel& level, const Catalogues& defs);

// The Screen Exit Editor's texts for the selected exit and the level's budget.
ScreenExitInfo BuildScreenExitInfo(const LevelModel& level);

}  // namespace tarnloft
