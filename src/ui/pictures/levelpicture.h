// A picture of a whole level, drawn by the view's own renderer onto an
// image: the level browser's pictures, the exported PNG files and the
// command-line renderer all come from here. Safe on any thread.
#pragma once
#include <QColor>
#include <QImage>

#include "catalogue/catalogues.h"
#include "level/levelmodel.h"
#include "view/picturegeometry.h"
#include "view/viewstate.h"

namespace tarnloft {

struct PictureStyle {
    int TilePixels = DefaultPictureTilePixels;
    ViewToggles Toggles;  // as the View menu sets them
    int Scale = 1;        // device pixels per picture pixel
    QColor Background;    // what the view clears to
    QColor ButtonText;    // the colour the small grid leaves behind
};

// The surface's colours from the application's palette; call on the UI thread.
PictureStyle SurfaceStyle(int tilePixels, const ViewToggles& toggles = {}, int scale = 1);

// The level as the view draws it at `style.TilePixels` pixels per tile,
// without the selection outline: PictureSizeFor(TilePixels) times Scale
// device pixels, with that device pixel ratio.
QImage DrawLevelPicture(const LevelModel& level, const Catalogues& defs, const PictureStyle& style);

}  // namespace tarnloft
