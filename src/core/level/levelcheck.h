// Checking definition files against an image: decodes every chosen level's
// object and sprite streams the way loading does and says which do not.
#pragma once
#include <optional>
#include <string>
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

// The command-line tools' level count (--levels N): a decimal number, or a
// hexadecimal one after 0x, from 1 to the table's 256 entries.
std::optional<int> ParseLevelCount(const std::string& text);
// Levels 0 to count - 1 when a count is given, the listed ones otherwise.
std::vector<int> LevelsToRead(const Catalogues& defs, std::optional<int> count);

}  // namespace tarnloft
