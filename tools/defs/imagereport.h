// `tarnloft-defs map`: the image as the editor sees it when levels grow. One
// line per listed level (each stream's file offset, bytes used, capped room,
// what it shares or overlaps, why it does not decode), the ranges declared
// free with what is left of them, every tagged block, and a total.
#pragma once
#include <string>
#include <vector>

#include "catalogue/catalogues.h"
#include "level/levelsource.h"

namespace tarnloft {

std::vector<std::string> ImageReport(const ImageBytes& image, const Catalogues& defs);

}  // namespace tarnloft
