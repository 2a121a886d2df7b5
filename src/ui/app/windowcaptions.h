// The main window's captions: the image being opened, and the level on
// screen by its index or by its two offsets.
#pragma once
#include <cstdint>
#include <string>

namespace tarnloft {

std::string FileCaption(const std::string& path);
std::string LevelIndexCaption(int64_t index, const std::string& romFileName);
std::string LevelOffsetCaption(int64_t levelOffset, int64_t spriteOffset, const std::string& romFileName);

}  // namespace tarnloft
