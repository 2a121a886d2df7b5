// Loading a level from the image into a LevelModel: by its row of the level
// table or by two file offsets.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "catalogue/catalogues.h"
#include "level/levelmodel.h"
#include "util/message.h"

namespace tarnloft {

class RomImage;
struct ImageMap;

inline constexpr int64_t LevelTablePosition = 784836;  // 1-based; file offset 0xBF9C3
inline constexpr int64_t LevelTableRowSize = 6;        // object pointer, sprite pointer

// 1-based position of level `index`'s row in the level table; nothing when
// the position would not fit a 64-bit file position.
std::optional<int64_t> LevelTableRow(uint64_t index);

struct LoadResult {
    bool Ok = false;          // false: nothing loaded, keep the previous level
    bool EndProgram = false;  // an undefined object number: show Messages, then end
    LevelModel Level;         // valid when Ok
    MessageList Messages;     // shown in order whether or not Ok (bank warnings, errors)
};

// Each stream's room ends where `map` says other listed data starts. Without
// a map, the image's map is read first (which reads the whole image).
LoadResult LoadLevelIndex(const RomImage& rom, const Catalogues& defs, int64_t index);
LoadResult LoadLevelIndex(const RomImage& rom, const Catalogues& defs, int64_t index, const ImageMap& map);
LoadResult LoadLevelOffset(const RomImage& rom, const Catalogues& defs, int64_t levelOffset,
                           int64_t spriteOffset);
LoadResult LoadLevelOffset(const RomImage& rom, const Catalogues& defs, int64_t levelOffset,
                           int64_t spriteOffset, const ImageMap& map);

}  // namespace tarnloft
