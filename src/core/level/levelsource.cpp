#include "level/levelsource.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "level/levelio.h"
#include "rom/translate.h"
#include "util/hex.h"

namespace tarnloft {

namespace {

std::string OffsetText(int64_t offset) { return "0x" + Hex(static_cast<uint64_t>(offset)); }

// Translates the pointer stored at `at`; a fault when its bank addresses no ROM.
std::optional<LevelFault> FollowPointer(const ImageBytes& image, int64_t at, const char* what,
                                        int64_t& offset) {
    const std::array<uint8_t, 3> pointer{image[at], image[at + 1], image[at + 2]};
    const Translation translation = TranslateAddress(pointer);
    if (!translation.AddressesRom)
        return LevelFault{std::string("the ") + what + " pointer " + HexPadded(pointer[2], 2) + ":" +
                              HexPadded(pointer[1] * 256u + pointer[0], 4) + " addresses no ROM",
                          at};
    offset = translation.Offset;
    return std::nullopt;
}

}  // namespace

std::optional<std::string> ReadImage(const std::string& path, ImageBytes& out) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return path + ": " + std::strerror(errno);
    out.clear();
    uint8_t buffer[64 * 1024];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        if (static_cast<int64_t>(out.size() + count) > MaxImageSize) {
            std::fclose(file);
            return path + ": larger than " + std::to_string(MaxImageSize >> 20) +
                   " MiB, not a cartridge image";
        }
        out.insert(out.end(), buffer, buffer + count);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return path + ": cannot be read";
    return std::nullopt;
}

std::string Describe(const LevelFault& fault) {
    return fault.Reason + " at file offset " + OffsetText(fault.Offset);
}

LevelSource FindLevel(const ImageBytes& image, int index) {
    LevelSource level;
    level.Index = index;
    const int64_t entry = LevelTableRow(static_cast<uint64_t>(index)).value_or(0) - 1;
    if (!Holds(image, entry, LevelTableRowSize)) {
        level.Fault = LevelFault{"the level table entry lies past the end of the image", entry};
        return level;
    }
    if ((level.Fault = FollowPointer(image, entry, "object data", level.HeaderOffset))) return level;
    level.SpriteFault = FollowPointer(image, entry + 3, "sprite data", level.SpriteOffset);
    if (!Holds(image, level.HeaderOffset, HeaderSize)) {
        level.Fault = LevelFault{"the level header lies past the end of the image", level.HeaderOffset};
        return level;
    }
    level.ObjectOffset = level.HeaderOffset + HeaderSize;
    return level;
}

}  // namespace tarnloft
