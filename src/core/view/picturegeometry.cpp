#include "view/picturegeometry.h"

#include <cmath>

#include "util/hex.h"
#include "view/viewport.h"

namespace tarnloft {

namespace {
constexpr int MaxPictureScale = 4;
}  // namespace

bool ValidPictureTilePixels(int tilePixels) {
    return tilePixels >= MinPictureTilePixels && tilePixels <= MaxPictureTilePixels;
}

PictureSize PictureSizeFor(int tilePixels) {
    return PictureSize{LevelTilesWide * tilePixels, LevelTilesHigh * tilePixels};
}

ViewState PictureView(int tilePixels, const ViewToggles& toggles, const LevelModel& level) {
    ViewState view;
    view.Zoom = tilePixels;
    const PictureSize size = PictureSizeFor(tilePixels);
    view.SurfaceWidth = size.Width;
    view.SurfaceHeight = size.Height;
    view.Toggles = toggles;
    RebuildVisibleList(view, level);
    return view;
}

int PictureScale(double devicePixelRatio) {
    if (!(devicePixelRatio >= 1)) return 1;
    const int whole = static_cast<int>(std::floor(devicePixelRatio + 1e-6));
    return whole > MaxPictureScale ? MaxPictureScale : whole;
}

std::string PictureFileName(int index) {
    return "level-" + HexPadded(static_cast<uint64_t>(index < 0 ? 0 : index), 2) + ".png";
}

}  // namespace tarnloft
