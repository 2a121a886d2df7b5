// An RGB colour, one byte per channel.
#pragma once
#include <cstdint>

namespace tarnloft {

struct Rgb {
    uint8_t R = 0, G = 0, B = 0;
    friend bool operator==(Rgb a, Rgb b) { return a.R == b.R && a.G == b.G && a.B == b.B; }
    friend bool operator!=(Rgb a, Rgb b) { return !(a == b); }
};

namespace Colours {
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Red{255, 0, 0};
inline constexpr Rgb Orange{255, 128, 0};
inline constexpr Rgb SpriteLabel{0, 128, 0};
inline constexpr Rgb SpecialLabel{0, 0, 255};
inline constexpr Rgb FineGrid{192, 192, 255};
}  // namespace Colours

}  // namespace tarnloft
