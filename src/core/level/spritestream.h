// The sprite stream of a level: three-byte sprite records, the 0xFF 0xFF
// terminator and the zero run behind it. Decoding appends the sprites to a
// LevelModel and measures the room; encoding builds the whole extent.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "level/levelmodel.h"
#include "level/objectstream.h"

namespace tarnloft {

class RomReader;

// Bytes the level's sprites need now, terminator not counted.
int64_t MeasureSpriteBytes(const LevelModel& level);

// Decodes the sprites from the 1-based `position` of the first sprite byte
// and appends them behind the entries already in the level; sets
// SpriteDataPos and the sprite counters. On failure leaves the level untouched.
StreamDecode DecodeSpriteStream(RomReader& reader, int64_t position, LevelModel& level);

// Empty when every sprite can be stored as it is; otherwise a sentence
// naming the first one that cannot.
std::optional<std::string> FindUnstorableSprite(const LevelModel& level);

// Sprites in index order, 0xFF 0xFF and zero fill up to the measured room:
// SpriteBytesRoom + 2 bytes when the records fit.
std::vector<uint8_t> EncodeSpriteStream(const LevelModel& level);

}  // namespace tarnloft
