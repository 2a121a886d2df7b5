// The catalogue list from which new items are created: ordinary objects,
// special objects and sprites, filtered by three check boxes and a text.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "catalogue/catalogues.h"

namespace tarnloft {

// Entry values: 0..255 ordinary object, 256..511 special object, 512..1023 sprite.
inline constexpr int SpecialEntryBase = 256;
inline constexpr int SpriteEntryBase = 512;

struct CatalogueListOptions {
    std::array<bool, 3> Listable{true, true, true};  // Norm, X, Sprite
    std::string Filter;
};

std::vector<ListItem> RemakeObjectList(const Catalogues& defs, const CatalogueListOptions& options);

}  // namespace tarnloft
