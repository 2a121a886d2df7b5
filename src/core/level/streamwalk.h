// Walking a level's object stream and sprite stream record by record over
// an image in memory, with the record length of each object number coming
// from the caller: the definition files when checking, a partial guess when
// inferring. A walk stops where it needs a length it was not given.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "catalogue/catalogues.h"
#include "level/levelsource.h"

namespace tarnloft {

// Record length of every object number: 4 or 5, 0 when not known (yet).
// Object 00 is always 4 and FF always ends the object list, whatever is stored here.
using LengthTable = std::array<uint8_t, 256>;

// The lengths the definition files give; numbers without a class stay 0.
LengthTable LengthsOf(const Catalogues& defs);

enum class WalkState : uint8_t { Objects, Exits, Done, Failed };

// Where a walk through one object stream stands.
struct StreamCursor {
    WalkState State = WalkState::Objects;
    int64_t Offset = 0;  // next record
};

struct WalkRules {
    // Refuse records that place an object or a screen exit below the level's
    // eight screen rows. Loading accepts them, but a stream read with a wrong
    // length soon lands there, so the rule tells a stream read in step from
    // one read out of step.
    bool InsideLevelArea = false;
    // Apply that rule to a record even when its number's length is unknown
    // (the screen byte is the second byte either way) instead of stopping first.
    bool AreaBeforeLength = false;
};

// Advances `cursor` until the stream ends (Done), cannot be read (Failed),
// the next record's number has length 0 in `lengths` (stays at Objects on
// that record), or `maxRecords` records have been walked. Returns the number
// of records walked. On failure, `fault` (when given) says why and where.
int64_t Walk(const ImageBytes& image, const LengthTable& lengths, const WalkRules& rules,
             StreamCursor& cursor, LevelFault* fault = nullptr, int64_t maxRecords = INT64_MAX);

// The object numbers (00 and FF left out) of the records that a walk from
// `offset` passes or stops at, in stream order, up to where it ends, stops
// or first breaks the level-area rule.
std::vector<uint8_t> NumbersRead(const ImageBytes& image, const LengthTable& lengths, int64_t offset);

// The sprite stream from `offset`: empty when it reads to its FF FF.
std::optional<LevelFault> WalkSprites(const ImageBytes& image, int64_t offset);

}  // namespace tarnloft
