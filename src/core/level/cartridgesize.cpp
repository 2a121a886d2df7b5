#include "level/cartridgesize.h"

namespace tarnloft {

std::optional<std::string> NotACartridgeImage(const std::string& name, int64_t size) {
    if (size >= SmallestImageSize) return std::nullopt;
    return name + " is not a cartridge image: " + std::to_string(size) + (size == 1 ? " byte" : " bytes");
}

}  // namespace tarnloft
