#include "edit/entrybytes.h"

#include "level/objectstream.h"

namespace tarnloft {

int EntryStreamBytes(const Catalogues& defs, const LevelObject& entry) {
    // Numbers the encoder does not write back take no room.
    return entry.IsSprite ? 3 : ObjectRecordSize(defs, entry.Number);
}

void CountEntryBytes(LevelModel& level, const Catalogues& defs, const LevelObject& entry, int sign) {
    const int bytes = EntryStreamBytes(defs, entry) * sign;
    if (entry.IsSprite)
        level.SpriteBytesUsed += bytes;
    else
        level.ObjectBytesUsed += bytes;
}

}  // namespace tarnloft
