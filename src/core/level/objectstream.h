// The object stream of a level: the 10-byte header, object records, the
// screen exits, their two 0xFF terminators and the zero run behind them.
// Decoding fills a LevelModel and measures the stream's room; encoding
// builds the bytes of the whole extent for a save.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/catalogues.h"
#include "level/levelmodel.h"
#include "util/message.h"

namespace tarnloft {

class RomImage;
class RomReader;

// Bytes an object takes in the stream by the class of its number: 4 for
// classes 3 and 4, 5 for class 5, 0 for numbers that are never stored.
int ObjectRecordSize(const Catalogues& defs, uint8_t number);

// Bytes the level's objects and screen exits need now, terminators and
// header not counted (what ObjectBytesUsed must equal).
int64_t MeasureObjectBytes(const Catalogues& defs, const LevelModel& level);

// Extent of a whole size byte: 0x00..0x7F are 1..128, 0x80..0xFF are -129..-2.
int WholeByteExtent(uint8_t sizeByte);
// The size byte of an extent; empty for extents that cannot be stored
// (0, -1 and anything outside -129..128).
std::optional<uint8_t> WholeByteForm(int extent);

// Width and height of a new 1 x 1 object of `number` as a reload gives them
// back: a four-byte record that stores one axis as a whole byte reads the
// other axis as 2.
std::pair<int16_t, int16_t> NewObjectExtent(const Catalogues& defs, uint8_t number);

struct StreamDecode {
    bool Ok = false;
    bool EndProgram = false;  // an undefined object number was met
    MessageList Messages;
};

// Decodes objects and screen exits from the 1-based `position` of the first
// object byte (the header lies 10 bytes before it). On success replaces the
// level's entries and exits, sets ObjectDataPos, the object counters and the
// selections; on failure leaves the level untouched.
StreamDecode DecodeObjectStream(RomReader& reader, const Catalogues& defs, int64_t position,
                                LevelModel& level);

// Empty when every object and screen exit can be stored as it is; otherwise
// a sentence naming the first one that cannot.
std::optional<std::string> FindUnstorableObject(const Catalogues& defs, const LevelModel& level);

// Header, objects, 0xFF, exits, 0xFF and zero fill up to the measured room:
// 10 + ObjectBytesRoom + 2 bytes when the records fit. Entries whose number
// has no stream class are left out.
std::vector<uint8_t> EncodeObjectStream(const Catalogues& defs, const LevelModel& level);

}  // namespace tarnloft
