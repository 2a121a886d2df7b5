// The 10-byte level header and its 17 bit fields.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "level/levelmodel.h"
#include "util/message.h"

namespace tarnloft {

class RomImage;

using HeaderBytesArray = std::array<uint8_t, HeaderSize>;

inline constexpr int HeaderFieldCount = 17;

// The 17 values in bit order (BackgroundColor ... Midring).
struct LevelHeaderFields {
    std::array<uint8_t, HeaderFieldCount> Values{};
};

struct HeaderFieldInfo {
    const char* Name;     // BackgroundColor, Tileset, ...
    const char* Caption;  // dialog row caption, e.g. "&Background Color: (0 - 31)"
    const char* BoxName;  // text box objectName: s, t, f, ...
    int Width;            // bits
    int Max() const { return (1 << Width) - 1; }
};

const std::array<HeaderFieldInfo, HeaderFieldCount>& HeaderFieldTable();

LevelHeaderFields UnpackHeader(const HeaderBytesArray& bytes);
// Requires every value within its field's range (callers validate first).
HeaderBytesArray PackHeader(const LevelHeaderFields& fields);

struct HeaderImport {
    std::optional<HeaderBytesArray> Bytes;  // empty when refused
    MessageList Messages;                   // the bank message, or a read failure
};
HeaderImport ImportHeaderFromLevel(const RomImage& rom, uint64_t levelIndex);

}  // namespace tarnloft
