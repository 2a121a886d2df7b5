// Small helpers shared by the canvas's painter path and its direct pixel
// writes; for the canvas's own files only.
#pragma once
#include <QBrush>
#include <QColor>
#include <cmath>
#include <cstdint>

#include "util/rgb.h"

namespace QtCanvasDetail {

inline QColor ToQColor(Rgb c) { return QColor(c.R, c.G, c.B); }

inline bool Whole(double v) { return v == std::floor(v) && std::fabs(v) < 1e7; }

inline uint32_t PixelOf(Rgb c) { return 0xff000000u | (uint32_t(c.R) << 16) | (uint32_t(c.G) << 8) | c.B; }

// The diagonal cross-hatch as a texture in the fill colour, transparent
// between the lines. The raster engine fills a premultiplied texture much
// faster than its generic pattern brushes.
const QBrush& HatchBrush(Rgb colour);

}  // namespace QtCanvasDetail
