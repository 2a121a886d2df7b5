#include "level/selectioninfo.h"

#include "util/hex.h"
#include "util/message.h"

namespace tarnloft {

std::string ByteUsageText(int64_t used, int64_t room) {
    return std::to_string(used) + "/" + std::to_string(room);
}

Rgb ByteUsageColour(int64_t used, int64_t room) { return used <= room ? Colours::Black : Colours::Red; }

std::string ExtentText(int extent) {
    if (extent >= 0) return std::to_string(extent);
    return "-" + Hex(static_cast<uint64_t>(-static_cast<int64_t>(extent)));
}

namespace {

std::string PositionLine(const LevelObject& item) { return "(" + Hex(item.X) + ", " + Hex(item.Y) + ")"; }

std::string ObjectInfoText(const LevelModel& level, const Catalogues& defs) {
    const int index = level.SelectedObject;
    if (index < 0 || index >= static_cast<int>(level.LevelObjects.size())) return {};
    const LevelObject& item = level.LevelObjects[index];
    const std::string selected = "#" + Hex(static_cast<uint64_t>(index));

    if (item.IsSprite) {
        const int number = item.SpriteNumber();
        const std::string name = number < SpriteCount ? defs.SpriteDefs[number].Name : std::string();
        return "Sprite number S" + Hex(number) + " - " + Crlf + name + Crlf + PositionLine(item) + Crlf +
               Hex16(item.Width) + " * " + Hex16(item.Height) + Crlf + selected;
    }
    if (item.Number == 0) {
        return "Special 4 byte object number X" + Hex(item.SubNumber) + " - " + Crlf +
               defs.SpecialObjectDefs[item.SubNumber].Name + Crlf + PositionLine(item) + Crlf + selected;
    }
    return "Object number " + Hex(item.Number) + " - " + Crlf + defs.ObjectDefs[item.Number].Name + Crlf +
           PositionLine(item) + Crlf + ExtentText(item.Width) + " * " + ExtentText(item.Height) + Crlf +
           selected;
}

}  // namespace

std::string SharingText(const char* what, const std::vector<int>& levels) {
    if (levels.empty()) return {};
    std::string text =
        std::string(what) + (levels.size() == 1 ? " are shared with level " : " are shared with levels ");
    for (size_t i = 0; i < levels.size(); ++i)
        text += (i ? ", " : "") + Hex(static_cast<uint64_t>(levels[i]));
    return text + ": saving in place changes " + (levels.size() == 1 ? "it" : "them") + " too.";
}

SelectionInfo BuildSelectionInfo(const LevelModel& level, const Catalogues& defs) {
    SelectionInfo info;
    info.ObjectInfo = ObjectInfoText(level, defs);
    info.ByteUsage = ByteUsageText(level.ObjectBytesUsed, level.ObjectBytesRoom);
    info.SpriteByteUsage = ByteUsageText(level.SpriteBytesUsed, level.SpriteBytesRoom);
    info.ByteUsageColour = ByteUsageColour(level.ObjectBytesUsed, level.ObjectBytesRoom);
    info.SpriteByteUsageColour = ByteUsageColour(level.SpriteBytesUsed, level.SpriteBytesRoom);
    info.ByteUsageToolTip = SharingText("The objects and screen exits", level.ObjectsSharedWith);
    info.SpriteByteUsageToolTip = SharingText("The sprites", level.SpritesSharedWith);
    return info;
}

ScreenExitInfo BuildScreenExitInfo(const LevelModel& level) {
    ScreenExitInfo info;
    const int index = level.SelectedScreenExit;
    if (index >= 0 && index < static_cast<int>(level.ScreenExits.size())) {
        const ScreenExit& exit = level.ScreenExits[index];
        info.Fields = ScreenExitFields{Hex(exit.EntranceType), Hex(exit.EntranceX), Hex(exit.EntranceY),
                                       Hex(exit.Destination)};
    }
    info.ByteUsage = ByteUsageText(level.ObjectBytesUsed, level.ObjectBytesRoom);
    info.ByteUsageColour = ByteUsageColour(level.ObjectBytesUsed, level.ObjectBytesRoom);
    return info;
}

}  // namespace tarnloft
