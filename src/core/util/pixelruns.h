// Pictures of 32-bit pixels kept in few words: level pictures are mostly
// runs of one colour, and row after row repeats the one above. Each row is
// one word, 0 for "the same as the row above" or the number of runs that
// follow as (length, pixel) pairs. Fast both ways, and exact.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarnloft {

// Rows of `width` pixels lie `stride` pixels apart.
std::vector<uint32_t> PackPixels(const uint32_t* pixels, int width, int height, std::ptrdiff_t stride);

// Fills `out` (rows `stride` pixels apart); false, with `out` partly
// written, when `packed` does not describe exactly width x height pixels.
bool UnpackPixels(const std::vector<uint32_t>& packed, uint32_t* out, int width, int height,
                  std::ptrdiff_t stride);

}  // namespace tarnloft
