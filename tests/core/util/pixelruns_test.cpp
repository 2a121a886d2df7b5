// Packed pictures come back exactly, and damaged packings are refused.
#include "util/pixelruns.h"

#include <gtest/gtest.h>

#include <random>

using namespace tarnloft;

TEST(PixelRuns, PicturesComeBackExactlyAndDamageIsRefused) {
    constexpr int W = 7, H = 5, Stride = 9;  // rows lie apart by more than their width
    std::mt19937 random(7);
    // clang-format off
    const struct { const char* Name; std::function<uint32_t(int, int)> Pixel; size_t MostWords; } cases[] = {
        {"one colour",      [](int, int) { return 0xFF102030u; },           1 + 2 + (H - 1)},
        {"vertical lines",  [](int x, int) { return x % 3 ? 1u : 2u; },     1 + 2 * W + (H - 1)},
        {"every pixel new", [&](int, int) { return uint32_t(random()); },   H * (1 + 2 * W)},
    };
    // clang-format on
    for (const auto& c : cases) {
        std::vector<uint32_t> pixels(Stride * H, 0xDEAD), back(Stride * H, 0xBEEF);
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) pixels[size_t(y * Stride + x)] = c.Pixel(x, y);
        const std::vector<uint32_t> packed = PackPixels(pixels.data(), W, H, Stride);
        EXPECT_LE(packed.size(), c.MostWords) << c.Name;
        ASSERT_TRUE(UnpackPixels(packed, back.data(), W, H, Stride)) << c.Name;
        for (int y = 0; y < H; ++y)
            EXPECT_TRUE(std::equal(&pixels[size_t(y * Stride)], &pixels[size_t(y * Stride + W)],
                                   &back[size_t(y * Stride)]))
                << c.Name << " row " << y;
        std::vector<uint32_t> shorter(packed.begin(), packed.end() - 1), longer = packed;
        longer.push_back(0);
        EXPECT_FALSE(UnpackPixels(shorter, back.data(), W, H, Stride)) << c.Name;
        EXPECT_FALSE(UnpackPixels(longer, back.data(), W, H, Stride)) << c.Name;
        EXPECT_FALSE(UnpackPixels(packed, back.data(), W + 1, H, Stride)) << c.Name;
    }
    EXPECT_FALSE(UnpackPixels({0}, nullptr, W, 1, Stride));  // "as above" in the first row
}
