// How many stream bytes one entry of LevelObjects takes, and keeping the
// level's byte counters in step when entries are added or removed.
#pragma once
#include "catalogue/catalogues.h"
#include "level/levelmodel.h"

namespace tarnloft {

// 3 for a sprite (sprite stream); 4 for a special or four-byte object, 5 for
// a five-byte object (object stream); 0 for a number whose class is not
// written back (undefined numbers and the end-of-list number).
int EntryStreamBytes(const Catalogues& defs, const LevelObject& entry);

// Adds (sign +1) or removes (sign -1) the entry's bytes to/from the counter
// of its stream.
void CountEntryBytes(LevelModel& level, const Catalogues& defs, const LevelObject& entry, int sign);

}  // namespace tarnloft
