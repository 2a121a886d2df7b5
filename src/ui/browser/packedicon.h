// An icon whose picture is kept packed (util/pixelruns.h): the level browser
// holds a picture of every level, and only those on screen need their
// pixels. The pixels of the pictures shown last (a few dozen) stay unpacked.
#pragma once
#include <QIcon>
#include <QSize>
#include <cstdint>
#include <vector>

namespace tarnloft {

// `packed` holds `size` pixels (RGB), `devicePixelRatio` per pixel of the icon.
QIcon PackedIcon(std::vector<uint32_t> packed, QSize size, qreal devicePixelRatio);

}  // namespace tarnloft
