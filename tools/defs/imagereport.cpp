#include "imagereport.h"

#include <memory>

#include "level/freeplaces.h"
#include "level/imagemap.h"
#include "level/levelio.h"
#include "level/levelsurvey.h"
#include "rom/romimage.h"
#include "util/hex.h"

namespace tarnloft {

namespace {

std::string OffsetText(int64_t offset) { return "0x" + Hex(static_cast<uint64_t>(offset)); }

std::string IndexList(const std::vector<int>& indices) {
    std::string text;
    for (int index : indices) text += (text.empty() ? "" : ", ") + HexPadded(static_cast<uint64_t>(index), 2);
    return text;
}

std::string StreamText(const char* kind, const StreamUse& stream, bool loaded) {
    std::string text =
        std::string(kind) + " at " + (stream.Offset >= 0 ? OffsetText(stream.Offset) : "nowhere");
    if (loaded)
        text += " use " + std::to_string(stream.Used) + " of " + std::to_string(stream.Room) + " bytes";
    if (!stream.SharedWith.empty()) text += ", shared with " + IndexList(stream.SharedWith);
    if (!stream.OverlapsWith.empty()) text += ", overlapping " + IndexList(stream.OverlapsWith);
    return text;
}

std::string LevelLine(const LevelSummary& level) {
    std::string line = "level " + HexPadded(static_cast<uint64_t>(level.Index), 2) + ": " +
                       StreamText("objects", level.Objects, level.Loaded) + "; " +
                       StreamText("sprites", level.Sprites, level.Loaded);
    if (level.Problem) line += "; " + *level.Problem;
    return line;
}

int64_t TotalSize(const std::vector<Extent>& places) {
    int64_t total = 0;
    for (const Extent& place : places) total += place.Size();
    return total;
}

std::string PlacesText(const std::vector<Extent>& places) {
    return std::to_string(TotalSize(places)) + " bytes free in " + std::to_string(places.size()) +
           (places.size() == 1 ? " place" : " places");
}

}  // namespace

std::vector<std::string> ImageReport(const ImageBytes& image, const Catalogues& defs) {
    std::vector<std::string> lines;
    const std::vector<SurveyedLevel> levels = SurveyLevels(image, defs);
    for (const SurveyedLevel& level : levels) lines.push_back(LevelLine(level.Summary));

    RomImage rom;
    rom.OpenCopy(std::shared_ptr<const ImageBytes>(std::shared_ptr<void>(), &image), "");
    const ImageMap map = ReadImageMap(rom, defs);
    std::vector<const LevelModel*> loaded;
    for (const ListedLevel& entry : map.Levels) {
        const LevelModel* model = nullptr;
        for (const SurveyedLevel& level : levels)
            if (level.Summary.Index == entry.Index && level.Level) model = &*level.Level;
        loaded.push_back(model);
    }
    const std::vector<Extent> taken = TakenExtents(map, loaded);
    for (const FreeRange& range : defs.FreeSpace)
        lines.push_back("free " + OffsetText(range.First) + "-" + OffsetText(range.Last) + " \"" +
                        range.Description + "\": " + PlacesText(FindFreePlaces(rom, {range}, taken)));
    for (const TaggedBlock& block : map.Blocks)
        lines.push_back("block at " + OffsetText(block.TagOffset) + ": " + std::to_string(block.Size) +
                        " bytes behind its tag");
    lines.push_back(PlacesText(FindFreePlaces(rom, defs.FreeSpace, taken)));
    return lines;
}

}  // namespace tarnloft
