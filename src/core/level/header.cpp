#include "level/header.h"

#include <limits>

#include "level/levelio.h"
#include "rom/romimage.h"
#include "util/hex.h"

namespace tarnloft {

const std::array<HeaderFieldInfo, HeaderFieldCount>& HeaderFieldTable() {
    static const std::array<HeaderFieldInfo, HeaderFieldCount> table{{
        {"BackgroundColor", "&Background Color: (0 - 31)", "s", 5},
        {"Tileset", "&Tileset: (0-15)", "t", 4},
        {"LayerOneObjectPalette", "Layer One Object Palette: (0-31)", "f", 5},
        {"LayerTwoImage", "Layer Two Image: (0-31)", "i", 5},
        {"LayerTwoObjectPalette", "Layer Two Object Palette: (0-63)", "b", 6},
        {"LayerThreeType", "Layer Three Type: (0-63)", "l", 6},
        {"LayerThreeObjectPalette", "Layer Three Object Palette: (0-63)", "c", 6},
        {"SpriteSet", "Sprite Set: (0-127)", "p", 7},
        {"SpritePalette", "Sprite Pallete: (0-15)", "r", 4},
        {"LayerOrderingProperty", "Layer/Ordering Property: (0-31)", "o", 5},
        {"Lay3TS2", "Lay3TS2: (0-3)", "u", 2},
        {"LayerThreeTileset", "Layer 3 Tileset: (0-3)", "a", 2},
        {"LayerAnimation", "Layer Animation: (0-127)", "e", 7},
        {"LayerTwoScrolling", "Layer 2 Scrolling: (0-3)", "g", 2},
        {"LayerThreeScrolling", "Layer 3 Scrolling: (0-3)", "y", 2},
        {"Music", "Music: (0-31)", "m", 5},
        {"Midring", "Midring: (0-127)", "u2", 7},
    }};
    return table;
}

// The header is one 80-bit string, byte 0 first and bit 7 first within each
// byte; the fields follow one another in table order without gaps.
LevelHeaderFields UnpackHeader(const HeaderBytesArray& bytes) {
    LevelHeaderFields fields;
    int bit = 0;
    for (int f = 0; f < HeaderFieldCount; ++f) {
        unsigned value = 0;
        for (int k = 0; k < HeaderFieldTable()[f].Width; ++k, ++bit)
            value = (value << 1) | ((bytes[bit / 8] >> (7 - bit % 8)) & 1u);
        fields.Values[f] = static_cast<uint8_t>(value);
    }
    return fields;
}

HeaderBytesArray PackHeader(const LevelHeaderFields& fields) {
    HeaderBytesArray bytes{};
    int bit = 0;
    for (int f = 0; f < HeaderFieldCount; ++f) {
        const int width = HeaderFieldTable()[f].Width;
        // Bits above the field's width are dropped rather than spilled into
        // the neighbouring field; callers refuse such values beforehand.
        const unsigned value = fields.Values[f];
        for (int k = width - 1; k >= 0; --k, ++bit)
            if ((value >> k) & 1u) bytes[bit / 8] |= static_cast<uint8_t>(0x80u >> (bit % 8));
    }
    return bytes;
}

HeaderImport ImportHeaderFromLevel(const RomImage& rom, uint64_t levelIndex) {
    HeaderImport result;
    const std::string notRead = "Level " + Hex(levelIndex);
    const std::optional<int64_t> row = LevelTableRow(levelIndex);
    std::array<uint8_t, 3> pointer{};
    if (!row || !rom.Read(*row, pointer.data(), pointer.size())) {
        result.Messages.push_back({"Tarnloft - Header not imported",
                                   notRead + " has no entry in the level table of this ROM image."});
        return result;
    }
    const int lo = pointer[0], hi = pointer[1], bank = pointer[2];
    int64_t offset;
    if (bank <= 0x3F) {
        offset = (bank / 2) * 0x10000 + (bank % 2) * 0x8000 + (hi & 0x7F) * 0x100 + lo + 0x200;
    } else if (bank <= 0x5F) {
        offset = static_cast<int64_t>(bank) * 0x10000 + hi * 0x100 + lo - 0x400000 + 0x200;
    } else {
        result.Messages.push_back(
            {"Tarnloft - Programmer Error",
             "Eep, I didn't think that bank would get used.  Tell me. (Object data area)"});
        return result;
    }
    HeaderBytesArray bytes{};
    if (!rom.Read(offset + 1, bytes.data(), bytes.size())) {
        result.Messages.push_back({"Tarnloft - Header not imported", notRead + "'s header at file offset 0x" +
                                                                         Hex(static_cast<uint64_t>(offset)) +
                                                                         " lies outside the ROM image."});
        return result;
    }
    result.Bytes = bytes;
    return result;
}

}  // namespace tarnloft
