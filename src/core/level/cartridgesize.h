// Telling a cartridge image from any other file before levels are read from
// it: an image holds at least the whole level table.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "level/levelio.h"

namespace tarnloft {

// A file that ends before the level table does cannot be a cartridge image.
inline constexpr int64_t SmallestImageSize = LevelTablePosition - 1 + LevelCount * LevelTableRowSize;

// "notes.txt is not a cartridge image: 22 bytes" for a file called `name`
// of `size` bytes that is too small; nothing for one that may be an image.
std::optional<std::string> NotACartridgeImage(const std::string& name, int64_t size);

}  // namespace tarnloft
