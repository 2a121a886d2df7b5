#include "edit/entrybytes.h"

int EntryStreamBytes(const Catalogues& defs, const LevelObject& entry) {
    if (entry.IsSprite) return 3;
    switch (defs.ObjectDefs[entry.Number].ByteCount) {
        case ByteClass::Special:
        case ByteClass::FourByte:
            return 4;
        case ByteClass::FiveByte:
            return 5;
        default:
            // Not written back by the encoder, so it takes no room.
            return 0;
    }
}

void CountEntryBytes(LevelModel& level, const Catalogues& defs, const LevelObject& entry, int sign) {
    const int bytes = EntryStreamBytes(defs, entry) * sign;
    if (entry.IsSprite)
        level.SpriteBytesUsed += bytes;
    else
        level.ObjectBytesUsed += bytes;
}
