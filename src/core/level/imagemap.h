// Where the data of the levels listed in LevelList.dat starts in an image,
// and the tagged blocks it holds. A stream may grow into the zero bytes
// behind its terminator only up to the nearest such start (another level's
// header or sprites may well begin with zero bytes) and not past the end of
// the tagged block it lives in.
#pragma once
#include <cstdint>
#include <vector>

#include "catalogue/catalogues.h"
#include "rom/allocationtag.h"

namespace tarnloft {

class RomImage;

// A listed level's row of the level table and where its two pointers lead
// (0-based file offsets; -1 when the row or a pointer cannot be followed).
struct ListedLevel {
    int Index = 0;
    int64_t RowOffset = -1;
    int64_t HeaderOffset = -1;
    int64_t SpriteOffset = -1;
};

struct ImageMap {
    std::vector<ListedLevel> Levels;
    // Sorted 0-based offsets where listed data starts: every header, every
    // sprite stream and every table row of a listed level, and the first
    // byte of every range declared free (that space belongs to no level).
    std::vector<int64_t> Starts;
    std::vector<TaggedBlock> Blocks;  // sorted by offset
};

// The indices LevelList.dat lists, in its order, each once.
std::vector<int> ListedLevelIndices(const Catalogues& defs);

ImageMap ReadImageMap(const RomImage& rom, const std::vector<int>& levels,
                      const std::vector<FreeRange>& declared = {});
// The levels LevelList.dat lists and the ranges FreeSpace.dat declares.
ImageMap ReadImageMap(const RomImage& rom, const Catalogues& defs);

// How many of the `runLength` zero bytes at `runOffset`, behind the
// terminator of the stream that starts at `streamOffset`, that stream may
// use: up to the nearest listed start at or behind `runOffset`, and up to
// the end of the tagged block that holds `streamOffset`.
int64_t UsableRun(const ImageMap& map, int64_t streamOffset, int64_t runOffset, int64_t runLength);

}  // namespace tarnloft
