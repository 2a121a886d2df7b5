#include "level/levelcheck.h"

#include <algorithm>

#include "level/imagemap.h"
#include "level/streamwalk.h"
#include "util/hex.h"

namespace tarnloft {

LevelVerdict CheckLevel(const ImageBytes& image, const Catalogues& defs, int index) {
    LevelVerdict verdict;
    verdict.Index = index;
    const LevelSource level = FindLevel(image, index);
    if (level.Fault) {
        verdict.Fault = level.Fault;
        return verdict;
    }
    StreamCursor cursor{WalkState::Objects, level.ObjectOffset};
    LevelFault fault;
    // Loading accepts objects below the level, but a wrong length in the
    // definition files puts them there, so they count as not decoding.
    WalkRules rules;
    rules.InsideLevelArea = true;
    Walk(image, LengthsOf(defs), rules, cursor, &fault);
    if (cursor.State == WalkState::Objects) {
        // The walk stopped at a number that no definition file gives a class.
        const uint8_t number = image[static_cast<size_t>(cursor.Offset)];
        verdict.Fault = LevelFault{"unknown object " + HexPadded(number, 2), cursor.Offset};
    } else if (cursor.State == WalkState::Failed) {
        verdict.Fault = fault;
    } else if (level.SpriteFault) {
        verdict.Fault = level.SpriteFault;
    } else {
        verdict.Fault = WalkSprites(image, level.SpriteOffset);
    }
    return verdict;
}

std::vector<int> ListedLevels(const Catalogues& defs) {
    std::vector<int> indices = ListedLevelIndices(defs);
    std::sort(indices.begin(), indices.end());
    return indices;
}

std::optional<int> ParseLevelCount(const std::string& text) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string digits = hex ? text.substr(2) : text;
    if (digits.empty() || digits.size() > 6) return std::nullopt;
    int value = 0;
    for (char c : digits) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * (hex ? 16 : 10) + digit;
    }
    if (value < 1 || value > LevelCount) return std::nullopt;
    return value;
}

std::vector<int> LevelsToRead(const Catalogues& defs, std::optional<int> count) {
    if (!count) return ListedLevels(defs);
    std::vector<int> indices;
    for (int i = 0; i < *count; ++i) indices.push_back(i);
    return indices;
}

}  // namespace tarnloft
