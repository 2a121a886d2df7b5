// The level browser's search: a text finds the levels whose index it is or
// whose name contains it, and, written as the catalogue list writes an entry
// ("X2F", "S12A", or a plain object number such as "5A"), the levels that use
// that object, special object or sprite, with how many times each does.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogues.h"
#include "level/levelmodel.h"
#include "level/levelsurvey.h"

namespace tarnloft {

struct LevelQuery {
    std::string Upper;              // the text, trimmed and in upper case
    std::optional<int> Index;       // the text read as a level index
    std::optional<int> EntryValue;  // the catalogue entry it names, valued as the catalogue list values it
};

// Blanks around the text are ignored, and so is anything from a colon on
// when looking for an entry ("5A: Name" as the catalogue list shows it).
LevelQuery ParseLevelQuery(const std::string& text);

// The entry as the catalogue list writes it: "5A", "X2F", "S12A".
std::string EntryName(int entryValue);
// The catalogue entry an item is: its object, special object or sprite value.
int EntryValueOf(const LevelObject& item, const Catalogues& defs);
// "X2F used 3 times", "5A used once".
std::string UsesText(int entryValue, int uses);

// How many items of `level` are the catalogue entry with this value.
int CountUses(const LevelModel& level, const Catalogues& defs, int entryValue);

struct LevelMatch {
    int Index = 0;
    int Uses = 0;  // how many times the level uses the entry searched for
};

// The levels that the text finds, in the order of `levels`; every level
// when the text is empty.
std::vector<LevelMatch> SearchLevels(const std::vector<SurveyedLevel>& levels, const Catalogues& defs,
                                     const std::string& text);

}  // namespace tarnloft
