// The canvas's fast paths: boxes, thick lines, small circles and labels
// written straight into the picture's pixels, exactly where the painter
// would have put them.
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <utility>

#include "surface/labelcache.h"
#include "surface/qtcanvas.h"

namespace tarnloft {

namespace {

// Small circles (the handle corners) drawn once into a stamp of whole
// pixels and copied from there afterwards. A stamp is only valid for the
// same fractional position, radius, colours, fill and hatch phase.
struct Stamp {
    QImage Pixels;
    bool Usable = false;  // every pixel fully opaque or fully clear
};

struct StampKey {
    double FracX, FracY, Radius;
    uint32_t Fore, Fill;
    int Style, PhaseX, PhaseY;
    bool operator==(const StampKey& o) const {
        return FracX == o.FracX && FracY == o.FracY && Radius == o.Radius && Fore == o.Fore &&
               Fill == o.Fill && Style == o.Style && PhaseX == o.PhaseX && PhaseY == o.PhaseY;
    }
};

struct StampKeyHash {
    size_t operator()(const StampKey& k) const {
        size_t h = std::hash<double>()(k.FracX) * 31 + std::hash<double>()(k.FracY);
        h = h * 31 + std::hash<double>()(k.Radius);
        h = h * 31 + k.Fore;
        h = h * 31 + k.Fill;
        return h * 31 + size_t(k.Style * 64 + k.PhaseX * 8 + k.PhaseY);
    }
};

std::unordered_map<StampKey, Stamp, StampKeyHash>& Stamps() {
    thread_local std::unordered_map<StampKey, Stamp, StampKeyHash> stamps;
    return stamps;
}

constexpr size_t MaxStamps = 4096;
constexpr double MaxStampRadius = 16;

}  // namespace

bool QtCanvas::DirectText(QtCanvasLabel& entry, int left, int top, int right, int bottom) {
    if (!bits_) return false;
    if (LabelCoverage(entry, painter_.font()).isNull()) return false;
    // A label that fits its box is drawn whole, as the painter would
    // without clipping; one that does not is cut at the box.
    const bool fits = entry.WholeSize.width() <= right - left && entry.WholeSize.height() <= bottom - top;
    const int originX = left - CoverageMargin;
    const int originY = top - CoverageMargin;
    if (fits) {
        left = originX;
        top = originY;
        right = originX + entry.Coverage.width();
        bottom = originY + entry.Coverage.height();
    }
    const int x0 = std::max({left, 0, originX});
    const int y0 = std::max({top, 0, originY});
    const int x1 = std::min({right, image_.width(), originX + entry.Coverage.width()});
    const int y1 = std::min({bottom, image_.height(), originY + entry.Coverage.height()});
    const uint32_t ink = PixelOf(fore_);
    for (int y = y0; y < y1; ++y) {
        const uchar* from = entry.Coverage.constScanLine(y - originY) - originX;
        auto* to = reinterpret_cast<uint32_t*>(bits_ + y * stride_);
        for (int x = x0; x < x1; ++x) {
            const uint32_t coverage = from[x];
            if (coverage == 255)
                to[x] = ink;
            else if (coverage)
                to[x] = BlendCoverage(ink, coverage, to[x]);
        }
    }
    return true;
}

void QtCanvas::FillSpan(int left, int top, int right, int bottom, uint32_t pixel) {
    if (!ClipToPicture(left, top, right, bottom)) return;
    for (int y = top; y < bottom; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(bits_ + y * stride_);
        std::fill(row + left, row + right, pixel);
    }
}

void QtCanvas::FillHatch(int left, int top, int right, int bottom, uint32_t pixel) {
    if (!ClipToPicture(left, top, right, bottom)) return;
    // The hatch tile repeats every p pixels (a power of two) from the
    // picture's origin; in row y its two diagonals sit where x % p is y % p
    // and p - 1 - y % p.
    const int period = HatchPeriod();
    const int mask = period - 1;
    for (int y = top; y < bottom; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(bits_ + y * stride_);
        const int phases[2] = {y & mask, mask - (y & mask)};
        for (int phase : phases) {
            int x = left + ((phase - left) & mask);
            for (; x < right; x += period) row[x] = pixel;
        }
    }
}

bool QtCanvas::DirectBox(double x1, double y1, double x2, double y2) {
    if (!bits_ || !PlainPen() || !Whole(x1) || !Whole(y1) || !Whole(x2) || !Whole(y2)) return false;
    const int left = int(std::min(x1, x2));
    const int right = int(std::max(x1, x2));
    const int top = int(std::min(y1, y2));
    const int bottom = int(std::max(y1, y2));
    if (right - left < 1 || bottom - top < 1) return false;
    // The painter's outline of a box cut by the picture's edge loses a
    // corner pixel or so; such boxes are left to it.
    if (left < 0 || top < 0 || right >= image_.width() || bottom >= image_.height()) return false;
    // The painter fills the inside and puts the one-pixel outline on the
    // columns left and right and the rows top and bottom.
    switch (fillStyle_) {
        case FillStyle::Solid:
            FillSpan(left + 1, top + 1, right, bottom, PixelOf(fill_));
            break;
        case FillStyle::DiagonalCross:
            FillHatch(left + 1, top + 1, right, bottom, PixelOf(fill_));
            break;
        case FillStyle::Transparent:
            break;
    }
    const uint32_t ink = PixelOf(fore_);
    FillSpan(left, top, right + 1, top + 1, ink);
    FillSpan(left, bottom, right + 1, bottom + 1, ink);
    FillSpan(left, top + 1, left + 1, bottom, ink);
    FillSpan(right, top + 1, right + 1, bottom, ink);
    return true;
}

bool QtCanvas::StampCircle(double cx, double cy, double radius) {
    if (!bits_ || !PlainPen() || !(radius > 0 && radius <= MaxStampRadius)) return false;
    if (!(std::fabs(cx) < 1e6 && std::fabs(cy) < 1e6)) return false;
    // The stamp covers the circle with a margin of two pixels on each side
    // and must lie wholly inside the picture.
    const int left = int(std::floor(cx - radius)) - 2;
    const int top = int(std::floor(cy - radius)) - 2;
    const int size = int(std::ceil(2 * radius)) + 5;
    if (left < 0 || top < 0 || left + size > image_.width() || top + size > image_.height()) return false;
    const bool hatched = fillStyle_ == FillStyle::DiagonalCross;
    const int mask = HatchPeriod() - 1;
    const StampKey key{cx - left,
                       cy - top,
                       radius,
                       PixelOf(fore_),
                       fillStyle_ == FillStyle::Transparent ? 0u : PixelOf(fill_),
                       int(fillStyle_),
                       hatched ? (left & mask) : 0,
                       hatched ? (top & mask) : 0};
    auto& stamps = Stamps();
    auto it = stamps.find(key);
    if (it == stamps.end()) {
        if (stamps.size() >= MaxStamps) stamps.clear();
        Stamp stamp;
        stamp.Pixels = QImage(size, size, QImage::Format_ARGB32_Premultiplied);
        stamp.Pixels.fill(Qt::transparent);
        {
            QPainter painter(&stamp.Pixels);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(pen_);
            painter.setBrush(FillBrush(fillStyle_, fill_, HatchPeriod()));
            // The stamp lands at (left, top): keep the hatch in step with the picture.
            if (hatched) painter.setBrushOrigin(-(left & mask), -(top & mask));
            painter.drawEllipse(QPointF(key.FracX, key.FracY), radius, radius);
        }
        stamp.Usable = true;
        for (int y = 0; y < size && stamp.Usable; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(stamp.Pixels.constScanLine(y));
            for (int x = 0; x < size; ++x) {
                const uint32_t alpha = row[x] >> 24;
                if (alpha != 0 && alpha != 255) {
                    stamp.Usable = false;
                    break;
                }
            }
        }
        it = stamps.emplace(key, std::move(stamp)).first;
    }
    const Stamp& stamp = it->second;
    if (!stamp.Usable) return false;
    for (int y = 0; y < size; ++y) {
        const auto* from = reinterpret_cast<const uint32_t*>(stamp.Pixels.constScanLine(y));
        auto* to = reinterpret_cast<uint32_t*>(bits_ + (top + y) * stride_) + left;
        for (int x = 0; x < size; ++x)
            if (from[x] >> 24) to[x] = from[x];
    }
    return true;
}

bool QtCanvas::DirectWideLine(double x1, double y1, double x2, double y2) {
    if (!bits_ || drawStyle_ != DrawStyle::Solid || lineWidth_ != 2) return false;
    if (!Whole(x1) || !Whole(y1) || !Whole(x2) || !Whole(y2)) return false;
    const uint32_t ink = PixelOf(fore_);
    // Two surface pixels thick, centred on the line, flat ends: as many pixel
    // rows (or columns) on either side of it, from the first point up to the last.
    const int half = scale_;
    if (x1 == x2 && y1 != y2) {
        const int x = int(x1);
        FillSpan(x - half, int(std::min(y1, y2)), x + half, int(std::max(y1, y2)), ink);
        return true;
    }
    if (y1 == y2 && x1 != x2) {
        const int y = int(y1);
        FillSpan(int(std::min(x1, x2)), y - half, int(std::max(x1, x2)), y + half, ink);
        return true;
    }
    return false;
}

}  // namespace tarnloft
