// Float-to-int rules shared by the pointer and view code: pointer positions
// may be fractional, negative, absurdly large or not a number.
#pragma once
#include <algorithm>
#include <cmath>

namespace tarnloft {

// Kept far inside int range; NaN counts as 0.
inline constexpr double PixelLimit = 1e8;

// floor(value) as an int.
inline int FloorToInt(double value) {
    if (std::isnan(value)) return 0;
    return static_cast<int>(std::floor(std::clamp(value, -PixelLimit, PixelLimit)));
}

// Nearest int, ties to even (the default rounding mode).
inline int RoundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    return static_cast<int>(std::nearbyint(std::clamp(value, -PixelLimit, PixelLimit)));
}

}  // namespace tarnloft
