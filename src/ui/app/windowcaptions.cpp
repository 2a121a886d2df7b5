#include "app/windowcaptions.h"

#include "rom/romimage.h"
#include "util/hex.h"

namespace tarnloft {

std::string FileCaption(const std::string& path) { return FileNameOf(path) + " - Tarnloft"; }

std::string LevelIndexCaption(int64_t index, const std::string& romFileName) {
    return "Level " + Hex32(static_cast<int32_t>(index)) + " " + romFileName + " - Tarnloft";
}

std::string LevelOffsetCaption(int64_t levelOffset, int64_t spriteOffset, const std::string& romFileName) {
    return "0x" + Hex32(static_cast<int32_t>(levelOffset)) + ", 0x" +
           Hex32(static_cast<int32_t>(spriteOffset)) + " " + romFileName + " - Tarnloft";
}

}  // namespace tarnloft
