// Small helpers shared by the canvas's painter path and its direct pixel
// writes; for the canvas's own files only.
#pragma once
#include <QBrush>
#include <QColor>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "util/rgb.h"
#include "view/canvas.h"

namespace tarnloft {

namespace QtCanvasDetail {

inline QColor ToQColor(Rgb c) { return QColor(c.R, c.G, c.B); }

inline bool Whole(double v) { return v == std::floor(v) && std::fabs(v) < 1e7; }

inline uint32_t PixelOf(Rgb c) { return 0xff000000u | (uint32_t(c.R) << 16) | (uint32_t(c.G) << 8) | c.B; }

// The diagonal cross-hatch as a texture in the fill colour, transparent
// between the lines, which repeat every `period` pixels. The raster engine
// fills a premultiplied texture much faster than its generic pattern brushes.
const QBrush& HatchBrush(Rgb colour, int period = 8);

// The brush that fills boxes and circles in the given style and colour.
inline QBrush FillBrush(FillStyle style, Rgb colour, int hatchPeriod = 8) {
    switch (style) {
        case FillStyle::Solid:
            return QBrush(ToQColor(colour), Qt::SolidPattern);
        case FillStyle::DiagonalCross:
            return HatchBrush(colour, hatchPeriod);
        case FillStyle::Transparent:
            break;
    }
    return QBrush(Qt::NoBrush);
}

// Clips the span [left, right) x [top, bottom) to a width x height picture;
// false when nothing of it is left.
inline bool ClipToPicture(int& left, int& top, int& right, int& bottom, int width, int height) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width);
    bottom = std::min(bottom, height);
    return left < right && top < bottom;
}

}  // namespace QtCanvasDetail

}  // namespace tarnloft
