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
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogues.h"
#include "level/levelio.h"
#include "level/levelsave.h"
#include "level/levelmodel.h"
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

}  // namespace tarnloft
