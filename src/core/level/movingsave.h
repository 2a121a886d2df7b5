// "Save Level, Moving It If Needed": a stream that outgrew its room is
// written into a new tagged block in space declared free, and the level's
// table row is pointed at it. The plan checks everything and writes nothing;
// the write goes data first, the pointer that makes it live second, the
// release of a block nobody points into any more last, each write durable
// before the next. Afterwards every listed level is read again and compared.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogues.h"
#include "level/levelmodel.h"
#include "level/levelsave.h"
#include "rom/allocationtag.h"

namespace tarnloft {

class RomImage;

inline constexpr const char* MoveQuestionTitle = "Tarnloft - Move level data";

// One stream and the block it moves to.
struct StreamMove {
    bool Sprites = false;   // false: the header, objects and screen exits
    int64_t Needed = 0;     // bytes the stream needs, header and terminators included
    int64_t OldOffset = 0;  // where the stream starts now (0-based)
    TaggedBlock Block;      // the new home: tag, then the stream and its headroom
};

// A listed level as it reads before the move: its table index and, when it
// loads, what a save of it would store and where.
struct LevelReading {
    int Index = 0;
    bool Loads = false;
    int64_t ObjectDataPos = 0, SpriteDataPos = 0;
    std::vector<uint8_t> Objects, Sprites;  // the stored records, terminators included
};

struct MovePlan {
    std::optional<Message> Refusal;  // set: nothing may be written
    bool InPlace = false;            // both streams fit: "&Save Level" does it all
    int64_t TableIndex = -1;
    std::vector<StreamMove> Moves;
    LevelModel Target;                 // the level in its new home
    std::string Question;              // asked once, before anything is written
    std::vector<LevelReading> Listed;  // every listed level before the move
};

// The bytes of headroom a moved stream of `needed` bytes gets, so that the
// next few additions save in place.
int64_t MoveHeadroom(int64_t needed);

// `tableIndex`: the level's row in the level table; nothing for a level
// loaded by offset, which cannot be moved.
MovePlan PlanMovingSave(const RomImage& rom, const Catalogues& defs, const LevelModel& level,
                        std::optional<int64_t> tableIndex);

struct MoveResult {
    SaveResult Save;     // the report; Ok only when everything went as planned
    bool Moved = false;  // the level table points at the new home (plan.Target's positions and rooms)
};

// Writes a plan that has neither a refusal nor InPlace.
MoveResult WriteMovingSave(RomImage& rom, const Catalogues& defs, const MovePlan& plan);

// What a save of `level` stores: its object and sprite records with their
// terminators, without the zero fill.
LevelReading ReadingOf(const Catalogues& defs, const LevelModel& level);

}  // namespace tarnloft
