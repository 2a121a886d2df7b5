#include "level/spritestream.h"

#include <array>

#include "rom/romreader.h"
#include "util/hex.h"

namespace tarnloft {

int64_t MeasureSpriteBytes(const LevelModel& level) {
    int64_t total = 0;
    for (const LevelObject& o : level.LevelObjects)
        if (o.IsSprite) total += SpriteRecordSize;
    return total;
}

StreamDecode DecodeSpriteStream(RomReader& reader, int64_t position, LevelModel& level) {
    StreamDecode result;
    const int64_t start = position;
    std::vector<LevelObject> sprites;

    for (;;) {
        std::array<uint8_t, 3> b{};
        if (!reader.Get(position, b.data(), 2) ||
            (!(b[0] == 0xFF && b[1] == 0xFF) && !reader.Get(position, b.data(), 3))) {
            result.Messages.push_back({"Tarnloft - Level not loaded",
                                       "The sprite data that starts at file offset 0x" +
                                           Hex(static_cast<uint64_t>(start - 1)) +
                                           " runs past the end of the ROM image. Nothing was loaded."});
            return result;
        }
        if (b[0] == 0xFF && b[1] == 0xFF) {
            position += 2;
            break;
        }
        LevelObject s;
        s.Number = b[0];
        s.SubNumber = b[1] & 1;
        s.Y = b[1] >> 1;
        s.X = b[2];
        s.Width = 1;
        s.Height = 1;
        s.IsSprite = true;
        sprites.push_back(s);
        position += SpriteRecordSize;
    }

    const int64_t used = SpriteRecordSize * static_cast<int64_t>(sprites.size());
    const int64_t freeBytes = reader.CountZeros(position);
    level.LevelObjects.insert(level.LevelObjects.end(), sprites.begin(), sprites.end());
    level.SpriteDataPos = start;
    level.SpriteBytesUsed = used;
    level.SpriteBytesRoom = used + freeBytes;
    result.Ok = true;
    return result;
}

std::optional<std::string> FindUnstorableSprite(const LevelModel& level) {
    for (size_t i = 0; i < level.LevelObjects.size(); ++i) {
        const LevelObject& s = level.LevelObjects[i];
        if (!s.IsSprite) continue;
        // Named only when it cannot be stored: levels can hold a great many sprites.
        if (s.SubNumber <= 1 && s.Y <= 127 && !(s.Number == 0xFF && s.SubNumber == 1 && s.Y == 127)) continue;
        std::string name =
            "Sprite " + Hex(static_cast<uint64_t>(s.SpriteNumber())) + " (entry " + Hex(i) + ")";
        if (s.SubNumber > 1)
            return name + " has a sprite number above 1FF, which the sprite data cannot store.";
        if (s.Y > 127)
            return name + " lies at row " + Hex(s.Y) + "; the sprite data can store rows 0 to 7F only.";
        // Sprite 1FF in row 7F would be stored as FF FF, the end of the list.
        if (s.Number == 0xFF && s.SubNumber == 1 && s.Y == 127)
            return name + " lies in row 7F, where the sprite data cannot store it.";
    }
    return std::nullopt;
}

std::vector<uint8_t> EncodeSpriteStream(const LevelModel& level) {
    std::vector<uint8_t> out;
    int64_t remaining = level.SpriteBytesRoom;
    for (const LevelObject& s : level.LevelObjects) {
        if (!s.IsSprite) continue;
        out.insert(out.end(), {s.Number, static_cast<uint8_t>(((s.Y & 0x7F) << 1) | (s.SubNumber & 1)), s.X});
        remaining -= SpriteRecordSize;
    }
    out.push_back(0xFF);
    out.push_back(0xFF);
    if (remaining > 0) out.resize(out.size() + static_cast<size_t>(remaining), 0x00);
    return out;
}

}  // namespace tarnloft
