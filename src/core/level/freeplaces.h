// Where a stream that outgrew its room may go. A place is free only when it
// lies inside a range declared free, inside one 32 KiB bank that a level
// table pointer can address (LoROM banks 00-3F), clear of everything taken
// (every listed level's extents and every tagged block), and holds only
// 0x00 or only 0xFF bytes. The bytes are read when asked, never remembered.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "catalogue/catalogues.h"
#include "level/imagemap.h"
#include "level/levelmodel.h"

namespace tarnloft {

class RomImage;

// A run of file bytes [Offset, End), 0-based offsets.
struct Extent {
    int64_t Offset = 0;
    int64_t End = 0;
    int64_t Size() const { return End - Offset; }
    friend bool operator==(const Extent& a, const Extent& b) {
        return a.Offset == b.Offset && a.End == b.End;
    }
};

inline constexpr int64_t BankSize = 0x8000;
inline constexpr int64_t CopierHeaderSize = 0x200;
// File offsets that a LoROM pointer of banks 00-3F reaches.
inline constexpr int64_t FirstPointableOffset = CopierHeaderSize;
inline constexpr int64_t PointableEnd = CopierHeaderSize + 0x40 * BankSize;

// Both streams of a loaded level with their rooms: what a save in place writes.
std::vector<Extent> LevelExtents(const LevelModel& level);

// What the levels of `map` and its tagged blocks take: each level's streams
// with their rooms, or, for one that does not load (nullptr in `loaded`,
// which runs parallel to map.Levels), everything from each of its starts up
// to the next listed start; each level's table row; each tagged block.
std::vector<Extent> TakenExtents(const ImageMap& map, const std::vector<const LevelModel*>& loaded);

// The free places now, in ascending order: each is one run of a single fill
// byte that crosses no bank boundary and touches nothing taken.
std::vector<Extent> FindFreePlaces(const RomImage& rom, const std::vector<FreeRange>& declared,
                                   std::vector<Extent> taken);

// Whether the bytes of `place` are all 0x00 or all 0xFF at this moment.
bool HoldsOnlyFill(const RomImage& rom, const Extent& place);

// The LoROM pointer (low, high, bank) of a 0-based file offset that lies in
// the pointable range: bank = (offset - 0x200) / 0x8000, address with bit 15 set.
std::array<uint8_t, 3> LoRomPointer(int64_t offset);

}  // namespace tarnloft
