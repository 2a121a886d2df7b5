// Drawing the level onto a Canvas: grid, items, screen exits and the
// selection outline, plus the label and cross-section rules they use.
#pragma once
#include <string>

#include "catalogue/catalogues.h"
#include "level/levelmodel.h"
#include "view/canvas.h"
#include "view/viewstate.h"

namespace tarnloft {

// True when cross-section mode shows the item as a dashed outline that the pointer ignores.
bool IsCrossSectionHidden(const ViewState& view, const LevelModel& level, const Catalogues& defs, int index);

// "5A - Name"; with prefix "S1A3 - Name" for sprites and "X2F - Name" for special objects.
std::string ObjectLabel(const LevelModel& level, const Catalogues& defs, int index, bool withPrefix);
// The same label for an item that need not lie in a level (the clipboard's).
std::string ItemLabel(const LevelObject& item, const Catalogues& defs, bool withPrefix);

void DrawGrid(Canvas& canvas, const ViewState& view);
void DrawLevel(Canvas& canvas, const ViewState& view, const LevelModel& level, const Catalogues& defs);

// Clear, DrawGrid, DrawLevel. The window refreshes the side panels afterwards.
void RepaintView(Canvas& canvas, const ViewState& view, const LevelModel& level, const Catalogues& defs);

}  // namespace tarnloft
