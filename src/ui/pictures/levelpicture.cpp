#include "pictures/levelpicture.h"

#include <QGuiApplication>
#include <QPalette>

#include "surface/qtcanvas.h"
#include "view/renderer.h"
#include "view/viewport.h"

namespace tarnloft {

PictureStyle SurfaceStyle(int tilePixels, const ViewToggles& toggles, int scale) {
    PictureStyle style;
    style.TilePixels = tilePixels;
    style.Toggles = toggles;
    style.Scale = scale;
    const QPalette palette = QGuiApplication::palette();
    style.Background = palette.color(QPalette::Button);
    style.ButtonText = palette.color(QPalette::ButtonText);
    return style;
}

QImage DrawLevelPicture(const LevelModel& level, const Catalogues& defs, const PictureStyle& style) {
    LevelModel shown = level;
    shown.SelectedObject = -1;  // a picture of the level, not of the editing
    const ViewState view = PictureView(style.TilePixels, style.Toggles, shown);
    QImage picture(view.SurfaceWidth * style.Scale, view.SurfaceHeight * style.Scale, QImage::Format_RGB32);
    if (picture.isNull()) return picture;
    {
        QtCanvas canvas(picture, SurfaceFontPointSize(view.Zoom), style.Background, style.ButtonText,
                        style.Scale);
        RepaintView(canvas, view, shown, defs);
    }
    picture.setDevicePixelRatio(style.Scale);
    return picture;
}

}  // namespace tarnloft
