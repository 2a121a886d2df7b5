// FreeSpace.dat, the one optional definition file: the ranges of the image
// that its owner declares free, where a level that outgrew its room may be
// moved. One record per range: first offset, last offset (hexadecimal,
// 0-based, copier header included, both inclusive) and a description.
#pragma once
#include <string>
#include <vector>

#include "catalogue/catalogues.h"

namespace tarnloft {

inline constexpr const char* FreeSpaceFileName = "FreeSpace.dat";

struct FreeSpaceLoad {
    bool Ok = false;
    std::string Error;  // names the file and the line when !Ok
    std::vector<FreeRange> Ranges;
};

// A missing file declares nothing and is no error.
FreeSpaceLoad LoadFreeSpace(const std::string& folder);

}  // namespace tarnloft
