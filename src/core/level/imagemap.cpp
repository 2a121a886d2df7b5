#include "level/imagemap.h"

#include <algorithm>
#include <array>

#include "level/levelio.h"
#include "rom/romimage.h"
#include "rom/translate.h"

namespace tarnloft {

namespace {

// The offset a stored pointer leads to; -1 when it cannot be read or its
// bank addresses no ROM.
int64_t FollowPointer(const RomImage& rom, int64_t position) {
    std::array<uint8_t, 3> pointer{};
    if (!rom.Read(position, pointer.data(), pointer.size())) return -1;
    const Translation translation = TranslateAddress(pointer);
    return translation.Offset > 0 ? translation.Offset : -1;
}

}  // namespace

std::vector<int> ListedLevelIndices(const Catalogues& defs) {
    std::vector<int> indices;
    std::array<bool, LevelCount> seen{};
    for (const ListItem& item : defs.DestinationLevels) {
        if (item.Value < 0 || item.Value >= LevelCount || seen[static_cast<size_t>(item.Value)]) continue;
        seen[static_cast<size_t>(item.Value)] = true;
        indices.push_back(item.Value);
    }
    return indices;
}

ImageMap ReadImageMap(const RomImage& rom, const std::vector<int>& levels,
                      const std::vector<FreeRange>& declared) {
    ImageMap map;
    for (int index : levels) {
        ListedLevel level;
        level.Index = index;
        const std::optional<int64_t> row =
            index >= 0 ? LevelTableRow(static_cast<uint64_t>(index)) : std::nullopt;
        if (row && rom.Contains(*row, LevelTableRowSize)) {
            level.RowOffset = *row - 1;
            level.HeaderOffset = FollowPointer(rom, *row);
            level.SpriteOffset = FollowPointer(rom, *row + 3);
        }
        for (int64_t start : {level.RowOffset, level.HeaderOffset, level.SpriteOffset})
            if (start >= 0) map.Starts.push_back(start);
        map.Levels.push_back(level);
    }
    for (const FreeRange& range : declared) map.Starts.push_back(range.First);
    std::sort(map.Starts.begin(), map.Starts.end());
    map.Starts.erase(std::unique(map.Starts.begin(), map.Starts.end()), map.Starts.end());
    map.Blocks = FindTaggedBlocks(rom);
    return map;
}

ImageMap ReadImageMap(const RomImage& rom, const Catalogues& defs) {
    return ReadImageMap(rom, ListedLevelIndices(defs), defs.FreeSpace);
}

int64_t UsableRun(const ImageMap& map, int64_t streamOffset, int64_t runOffset, int64_t runLength) {
    int64_t end = runOffset + runLength;
    const auto next = std::lower_bound(map.Starts.begin(), map.Starts.end(), runOffset);
    if (next != map.Starts.end()) end = std::min(end, *next);
    for (const TaggedBlock& block : map.Blocks)
        if (block.DataOffset() <= streamOffset && streamOffset < block.End())
            end = std::min(end, block.End());
    return std::max<int64_t>(0, end - runOffset);
}

}  // namespace tarnloft
