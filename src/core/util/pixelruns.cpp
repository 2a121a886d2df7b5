#include "util/pixelruns.h"

#include <algorithm>

namespace tarnloft {

namespace {
constexpr uint32_t SameAsAbove = 0;
}  // namespace

std::vector<uint32_t> PackPixels(const uint32_t* pixels, int width, int height, std::ptrdiff_t stride) {
    std::vector<uint32_t> packed;
    if (width <= 0 || height <= 0) return packed;
    for (int y = 0; y < height; ++y) {
        const uint32_t* row = pixels + y * stride;
        if (y > 0 && width > 0 && std::equal(row, row + width, row - stride)) {
            packed.push_back(SameAsAbove);
            continue;
        }
        const size_t header = packed.size();
        packed.push_back(0);
        for (int x = 0; x < width;) {
            int end = x + 1;
            while (end < width && row[end] == row[x]) ++end;
            packed.push_back(static_cast<uint32_t>(end - x));
            packed.push_back(row[x]);
            ++packed[header];
            x = end;
        }
    }
    return packed;
}

bool UnpackPixels(const std::vector<uint32_t>& packed, uint32_t* out, int width, int height,
                  std::ptrdiff_t stride) {
    if (width <= 0 || height <= 0) return packed.empty();
    size_t at = 0;
    for (int y = 0; y < height; ++y) {
        if (at >= packed.size()) return false;
        uint32_t* row = out + y * stride;
        const uint32_t runs = packed[at++];
        if (runs == SameAsAbove) {
            if (y == 0) return false;
            std::copy(row - stride, row - stride + width, row);
            continue;
        }
        if (runs > (packed.size() - at) / 2) return false;
        int x = 0;
        for (uint32_t r = 0; r < runs; ++r, at += 2) {
            const uint32_t length = packed[at];
            if (length == 0 || length > static_cast<uint32_t>(width - x)) return false;
            std::fill(row + x, row + x + length, packed[at + 1]);
            x += static_cast<int>(length);
        }
        if (x != width) return false;
    }
    return at == packed.size();
}

}  // namespace tarnloft
