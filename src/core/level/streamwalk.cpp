#include "level/streamwalk.h"

#include "level/objectstream.h"
#include "util/hex.h"

namespace tarnloft {

namespace {

constexpr uint8_t EndMarker = 0xFF;

// A screen byte whose row nibble lies below the eighth screen row.
bool BelowLevel(uint8_t screenByte) { return screenByte >= 0x80; }

// Ends a walk as failed; the reason is only put into words when asked for,
// since the search fails walks by the million and never reads why.
template <typename Reason>
void Fail(StreamCursor& cursor, LevelFault* fault, Reason reason) {
    cursor.State = WalkState::Failed;
    if (fault) *fault = LevelFault{reason(), cursor.Offset};
}

}  // namespace

LengthTable LengthsOf(const Catalogues& defs) {
    LengthTable lengths{};
    for (int n = 0; n < 256; ++n)
        lengths[n] = static_cast<uint8_t>(ObjectRecordSize(defs, static_cast<uint8_t>(n)));
    return lengths;
}

int64_t Walk(const ImageBytes& image, const LengthTable& lengths, const WalkRules& rules,
             StreamCursor& cursor, LevelFault* fault, int64_t maxRecords) {
    int64_t records = 0;
    while (cursor.State == WalkState::Objects) {
        if (records >= maxRecords) return records;
        if (!Holds(image, cursor.Offset, 1)) {
            Fail(cursor, fault,
                 [&] { return std::string("the object data runs past the end of the image"); });
            break;
        }
        const uint8_t number = image[cursor.Offset];
        if (number == EndMarker) {
            ++cursor.Offset;
            cursor.State = WalkState::Exits;
            break;
        }
        const int length = number == 0x00 ? 4 : lengths[number];
        if (length == 0 && !rules.AreaBeforeLength) return records;
        if (rules.InsideLevelArea &&
            (!Holds(image, cursor.Offset, 2) || BelowLevel(image[cursor.Offset + 1]))) {
            Fail(cursor, fault,
                 [&] { return std::string("object " + HexPadded(number, 2) + " lies below the level"); });
            break;
        }
        if (length == 0) return records;
        if (!Holds(image, cursor.Offset, length)) {
            Fail(cursor, fault, [&] {
                return std::string("object " + HexPadded(number, 2) + " runs past the end of the image");
            });
            break;
        }
        cursor.Offset += length;
        ++records;
    }
    while (cursor.State == WalkState::Exits) {
        if (records >= maxRecords) return records;
        if (!Holds(image, cursor.Offset, 1)) {
            Fail(cursor, fault,
                 [&] { return std::string("the screen exit list runs past the end of the image"); });
            break;
        }
        const uint8_t screen = image[cursor.Offset];
        if (screen == EndMarker) {
            ++cursor.Offset;
            cursor.State = WalkState::Done;
            break;
        }
        if (!Holds(image, cursor.Offset, ExitRecordSize)) {
            Fail(cursor, fault, [&] { return std::string("a screen exit runs past the end of the image"); });
            break;
        }
        if (rules.InsideLevelArea && BelowLevel(screen)) {
            Fail(cursor, fault, [&] { return std::string("a screen exit lies below the level"); });
            break;
        }
        cursor.Offset += ExitRecordSize;
        ++records;
    }
    return records;
}

std::vector<uint8_t> NumbersRead(const ImageBytes& image, const LengthTable& lengths, int64_t offset) {
    std::vector<uint8_t> numbers;
    while (Holds(image, offset, 1) && image[offset] != EndMarker) {
        const uint8_t number = image[offset];
        const int length = number == 0x00 ? 4 : lengths[number];
        if (number != 0x00) numbers.push_back(number);
        if (length == 0 || !Holds(image, offset, length) || BelowLevel(image[offset + 1])) break;
        offset += length;
    }
    return numbers;
}

std::optional<LevelFault> WalkSprites(const ImageBytes& image, int64_t offset) {
    for (;;) {
        if (!Holds(image, offset, 2))
            return LevelFault{"the sprite data runs past the end of the image", offset};
        if (image[offset] == 0xFF && image[offset + 1] == 0xFF) return std::nullopt;
        if (!Holds(image, offset, 3)) return LevelFault{"a sprite runs past the end of the image", offset};
        offset += 3;
    }
}

}  // namespace tarnloft
