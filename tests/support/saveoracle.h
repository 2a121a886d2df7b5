// The promise every save must keep, as a check that the editing fuzzer, the
// tests and the monkey run share. A save is either refused with a message
// and leaves the image byte for byte as it was, or it is reported as saved
// and then
//  (a) no byte outside the level's two extents changed,
//  (b) loading the level again gives the model that was saved, entry by
//      entry in the form the stream stores it (an extent that its record
//      has no room for is not compared), at the same positions and with the
//      same rooms, and
//  (c) saving that reloaded level again changes nothing.
// A save that moved the level to free space keeps a wider promise: no byte
// changed outside its old extents, its new blocks, its table row and the
// tagged blocks its old streams lived in; every other listed level loads as
// before; the level loads by its index as it was saved, in its new home; and
// saving it again changes nothing.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogues.h"
#include "level/levelio.h"
#include "level/levelmodel.h"
#include "level/levelsave.h"
#include "level/movingsave.h"
#include "rom/romimage.h"

namespace tarnloft {

// A run of 1-based image positions, [From, To).
struct ByteRange {
    int64_t From = 0;
    int64_t To = 0;
    bool Contains(int64_t position) const { return position >= From && position < To; }
};

// What a save of `level` may write: header, objects, exits, terminators and
// their zero room; sprites, terminator and their zero room.
std::array<ByteRange, 2> SaveExtents(const LevelModel& level);

// The whole image as it is on disk now.
std::vector<uint8_t> ImageBytes(const RomImage& rom);

// Positions (1-based) where `before` and `after` differ outside every range;
// a difference in length counts at the first position past the shorter one.
std::vector<int64_t> ChangesOutside(const std::vector<uint8_t>& before, const std::vector<uint8_t>& after,
                                    const std::vector<ByteRange>& ranges);

// Checks one save of `saved` into `rom` that reported `result`; `before` is
// the image as it was just before. Check (c) writes the reloaded level into
// `rom` again. Returns the first broken promise, or nothing.
std::optional<std::string> CheckSave(RomImage& rom, const Catalogues& defs, const LevelModel& saved,
                                     const SaveResult& result, const std::vector<uint8_t>& before);

// Every listed level as loading by index gives it now, and the tagged blocks.
struct ListedLevels {
    std::vector<int> Indices;
    std::vector<std::optional<LevelModel>> Levels;  // nothing for a level that does not load
    std::vector<TaggedBlock> Blocks;
};
ListedLevels ReadListedLevels(const RomImage& rom, const Catalogues& defs);

// What a moving save of `saved` by `plan` may write, `listed` read before it.
std::vector<ByteRange> MoveExtents(const LevelModel& saved, const MovePlan& plan, const ListedLevels& listed);

// Checks a save that reported Moved.
std::optional<std::string> CheckMovingSave(RomImage& rom, const Catalogues& defs, const LevelModel& saved,
                                           const MovePlan& plan, const std::vector<uint8_t>& before,
                                           const ListedLevels& listed);

}  // namespace tarnloft
