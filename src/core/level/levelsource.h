// Where a level's data lies in an image held in memory: the level table
// entry, its two pointers, the header and the first object and sprite
// bytes, or why they cannot be reached.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarnloft {

// The whole image in memory, copier header included; offsets are 0-based.
using ImageBytes = std::vector<uint8_t>;

// Images larger than this are refused: no cartridge comes near it, and the
// tools keep the whole file in memory.
inline constexpr int64_t MaxImageSize = 64ll << 20;

// True when the `count` bytes from `offset` all lie inside the image.
inline bool Holds(const ImageBytes& image, int64_t offset, int64_t count) {
    return offset >= 0 && count >= 0 && offset <= static_cast<int64_t>(image.size()) - count;
}

// Reads the whole file. On failure returns a text naming the file and the reason.
std::optional<std::string> ReadImage(const std::string& path, ImageBytes& out);

// Why a level does not decode, and the file offset where that was found.
struct LevelFault {
    std::string Reason;
    int64_t Offset = 0;
};
std::string Describe(const LevelFault& fault);

struct LevelSource {
    int Index = 0;
    int64_t HeaderOffset = 0;               // 0-based file offset of the 10-byte header
    int64_t ObjectOffset = 0;               // first object byte: HeaderOffset + 10
    int64_t SpriteOffset = 0;               // first sprite byte
    std::optional<LevelFault> Fault;        // the table entry, object pointer or header is unusable
    std::optional<LevelFault> SpriteFault;  // the sprite pointer addresses no ROM
};

// Reads entry `index` of the level table and follows both pointers the way
// loading does; a bank that addresses no ROM is a fault here, not a warning.
LevelSource FindLevel(const ImageBytes& image, int index);

}  // namespace tarnloft
