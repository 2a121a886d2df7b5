// Checking definition files against an image: decodes every chosen level's
// object and sprite streams the way loading does and says which do not.
#pragma once
#include <optional>
#include <vector>

#include "catalogue/catalogues.h"
#include "level/levelsource.h"

namespace tarnloft {

struct LevelVerdict {
    int Index = 0;
    std::optional<LevelFault> Fault;  // empty when the level decodes
};

LevelVerdict CheckLevel(const ImageBytes& image, const Catalogues& defs, int index);

// The level indices that LevelList.dat lists, ascending, each once.
std::vector<int> ListedLevels(const Catalogues& defs);

}  // namespace tarnloft
