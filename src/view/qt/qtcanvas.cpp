#include "view/qt/qtcanvas.h"

#include <QFontMetricsF>
#include <QImage>
#include <QStaticText>
#include <algorithm>
#include <cmath>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// Laid-out labels, keyed by point size and text. Labels repeat from one
// repaint to the next, so laying them out once saves most of the text cost.
// A label is mostly far wider than its box; besides the whole text, an entry
// keeps shortened copies that stop a little past the box's right edge, so
// that glyphs which the clipping would hide anyway are never drawn.
struct QtCanvasLabel {
    QStaticText Whole;
    QSizeF WholeSize;
    std::vector<qreal> Starts;                           // left edge of each character
    qreal Slack = 0;                                     // how far a glyph may reach left of its start
    std::vector<std::pair<int, QStaticText>> Shortened;  // by character count
    // Glyph coverage of the whole label (alpha channel), drawn once at
    // (Margin, Margin); empty until first needed or when too large.
    QImage Coverage;
    bool CoverageTried = false;
};

namespace {

// Coverage images are kept for small labels only, within a byte budget.
constexpr int CoverageMargin = 8;
constexpr qsizetype MaxCoveragePixels = 64 * 1024;
constexpr qsizetype CoverageBudget = 16 * 1024 * 1024;
qsizetype coverageBytes = 0;

// Each channel times a / 255, rounded the way the raster engine does it.
inline uint32_t ByteMul(uint32_t x, uint32_t a) {
    uint32_t t = (x & 0xff00ff) * a;
    t = (t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8;
    t &= 0xff00ff;
    x = ((x >> 8) & 0xff00ff) * a;
    x = x + ((x >> 8) & 0xff00ff) + 0x800080;
    x &= 0xff00ff00;
    return x | t;
}

// Blends like the painter's own glyph drawing: the text colour in
// proportion to the coverage over what the pixel keeps of itself.
inline uint32_t BlendCoverage(uint32_t ink, uint32_t coverage, uint32_t dst) {
    return ByteMul(ink, coverage) + ByteMul(dst, 255 - coverage);
}

QColor ToQColor(Rgb c) { return QColor(c.R, c.G, c.B); }

Rgb ToRgb(const QColor& c) {
    return Rgb{static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
               static_cast<uint8_t>(c.blue())};
}

struct TextCache {
    std::unordered_map<std::string, QtCanvasLabel> Entries;
};

TextCache& Cache() {
    static TextCache cache;
    return cache;
}
constexpr size_t MaxCachedLabels = 4096;

// The diagonal cross-hatch as a texture in the fill colour, transparent
// between the lines. The raster engine fills a premultiplied texture much
// faster than its generic pattern brushes.
const QBrush& HatchBrush(Rgb colour) {
    static std::unordered_map<uint32_t, QBrush> brushes;
    const uint32_t key = (uint32_t(colour.R) << 16) | (uint32_t(colour.G) << 8) | colour.B;
    auto it = brushes.find(key);
    if (it != brushes.end()) return it->second;
    if (brushes.size() >= 256) brushes.clear();
    QImage tile(8, 8, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    const QRgb ink = qRgb(colour.R, colour.G, colour.B);
    for (int i = 0; i < 8; ++i) {
        tile.setPixel(i, i, ink);
        tile.setPixel(7 - i, i, ink);
    }
    return brushes.emplace(key, QBrush(tile)).first->second;
}

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
    static std::unordered_map<StampKey, Stamp, StampKeyHash> stamps;
    return stamps;
}

constexpr size_t MaxStamps = 4096;
constexpr double MaxStampRadius = 16;

QStaticText Prepared(const QString& text, const QFont& font) {
    QStaticText label(text);
    label.setTextFormat(Qt::PlainText);
    label.setPerformanceHint(QStaticText::AggressiveCaching);
    label.prepare(QTransform(), font);
    return label;
}

QtCanvasLabel& CachedLabel(const std::string& text, int pointSize, const QFont& font) {
    std::string key = std::to_string(pointSize);
    key += '\x1f';
    key += text;
    auto& entries = Cache().Entries;
    auto it = entries.find(key);
    if (it != entries.end()) return it->second;
    if (entries.size() >= MaxCachedLabels) {
        entries.clear();
        coverageBytes = 0;
    }
    // Labels are 8-bit text; Latin-1 maps every byte to a character.
    const QString whole = QString::fromLatin1(text.data(), static_cast<int>(text.size()));
    QtCanvasLabel entry;
    entry.Whole = Prepared(whole, font);
    entry.WholeSize = entry.Whole.size();
    // Character starts from plain advances; kerning moves them far less
    // than the slack allowed for below.
    const QFontMetricsF metrics(font);
    entry.Starts.reserve(static_cast<size_t>(whole.size()));
    qreal start = 0;
    for (const QChar c : whole) {
        entry.Starts.push_back(start);
        start += metrics.horizontalAdvance(c);
    }
    entry.Slack = std::max<qreal>(8, 2 * metrics.height());
    return entries.emplace(std::move(key), std::move(entry)).first->second;
}

// The label to draw into a box `width` pixels wide: the whole text, or a
// copy that ends two characters after the first one starting well past the
// box (so that kerning and ligatures of every visible glyph stay the same).
const QStaticText& LabelForWidth(QtCanvasLabel& entry, const std::string& text, int width,
                                 const QFont& font) {
    const qreal limit = width + entry.Slack;
    const auto past = std::lower_bound(entry.Starts.begin(), entry.Starts.end(), limit);
    const int count = static_cast<int>(past - entry.Starts.begin()) + 2;
    if (count >= static_cast<int>(text.size())) return entry.Whole;
    for (const auto& [length, label] : entry.Shortened)
        if (length == count) return label;
    if (entry.Shortened.size() >= 8) entry.Shortened.clear();
    entry.Shortened.emplace_back(count, Prepared(QString::fromLatin1(text.data(), count), font));
    return entry.Shortened.back().second;
}

bool Whole(double v) { return v == std::floor(v) && std::fabs(v) < 1e7; }

uint32_t PixelOf(Rgb c) { return 0xff000000u | (uint32_t(c.R) << 16) | (uint32_t(c.G) << 8) | c.B; }

}  // namespace

QFont QtCanvas::SurfaceFont(int pointSize) {
    QFont font;
    font.setFamilies(
        {QStringLiteral("Small Fonts"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pointSize * 96.0 / 72.0))));
    return font;
}

void QtCanvas::ClearTextCache() {
    Cache().Entries.clear();
    coverageBytes = 0;
}

QtCanvas::QtCanvas(QImage& image, int fontPointSize, QColor background, QColor buttonText)
    : image_(image), background_(background), buttonText_(buttonText), fontPointSize_(fontPointSize) {
    const QImage::Format format = image_.format();
    if (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
        format == QImage::Format_ARGB32_Premultiplied) {
        // Taken before the painter starts, so the painter and these writes
        // share one unshared buffer.
        bits_ = image_.bits();
        stride_ = image_.bytesPerLine();
    }
    pen_.setCapStyle(Qt::FlatCap);
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setFont(SurfaceFont(fontPointSize_));
    ApplyPen();
    ApplyBrush();
}

QtCanvas::~QtCanvas() {
    FlushLines();
    painter_.end();
}

Rgb QtCanvas::ButtonTextColour() const { return ToRgb(buttonText_); }

void QtCanvas::ApplyPen() {
    FlushLines();
    pen_.setColor(ToQColor(fore_));
    pen_.setWidth(lineWidth_);
    pen_.setStyle(drawStyle_ == DrawStyle::Dashed ? Qt::DashLine : Qt::SolidLine);
    painter_.setPen(pen_);
}

void QtCanvas::ApplyBrush() {
    // Most boxes never reach the painter; the brush is set when one does.
    brushDirty_ = true;
}

void QtCanvas::EnsureBrush() {
    if (!brushDirty_) return;
    brushDirty_ = false;
    switch (fillStyle_) {
        case FillStyle::Solid:
            painter_.setBrush(QBrush(ToQColor(fill_), Qt::SolidPattern));
            break;
        case FillStyle::Transparent:
            painter_.setBrush(Qt::NoBrush);
            break;
        case FillStyle::DiagonalCross:
            painter_.setBrush(HatchBrush(fill_));
            break;
    }
}

void QtCanvas::Unclip() {
    if (!clipped_) return;
    painter_.setClipping(false);
    clipped_ = false;
}

void QtCanvas::SetForeColour(Rgb colour) {
    if (colour == fore_) return;
    fore_ = colour;
    ApplyPen();
}

void QtCanvas::SetFillColour(Rgb colour) {
    if (colour == fill_) return;
    fill_ = colour;
    ApplyBrush();
}

void QtCanvas::SetFillStyle(FillStyle style) {
    if (style == fillStyle_) return;
    fillStyle_ = style;
    ApplyBrush();
}

void QtCanvas::SetDrawStyle(DrawStyle style) {
    if (style == drawStyle_) return;
    drawStyle_ = style;
    ApplyPen();
}

void QtCanvas::SetLineWidth(int width) {
    width = std::clamp(width, 1, 2);
    if (width == lineWidth_) return;
    lineWidth_ = width;
    ApplyPen();
}

void QtCanvas::Clear() {
    pendingLines_.clear();  // painted over anyway
    Unclip();
    painter_.fillRect(QRect(0, 0, image_.width(), image_.height()), background_);
}

void QtCanvas::FlushLines() {
    if (pendingLines_.empty()) return;
    painter_.drawLines(pendingLines_.data(), static_cast<int>(pendingLines_.size()));
    pendingLines_.clear();
}

void QtCanvas::Line(double x1, double y1, double x2, double y2) {
    Unclip();
    if (PlainPen() && x1 <= x2 && y1 <= y2 && Whole(x1) && Whole(y1) && Whole(x2) && Whole(y2)) {
        // Plain whole-pixel lines come in long runs (the grid): one call draws
        // them all. Lines drawn backwards lose their first pixel when they
        // follow another in one call, so they are drawn on their own.
        pendingLines_.emplace_back(x1, y1, x2, y2);
        return;
    }
    FlushLines();
    if (DirectWideLine(x1, y1, x2, y2)) return;
    painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void QtCanvas::Box(double x1, double y1, double x2, double y2) {
    Unclip();
    FlushLines();
    const QRectF rect = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
    // Boxes far outside the picture cost nothing to skip; the painter
    // would clip them anyway.
    const double margin = 4;
    if (rect.right() < -margin || rect.bottom() < -margin || rect.left() > image_.width() + margin ||
        rect.top() > image_.height() + margin)
        return;
    if (DirectBox(x1, y1, x2, y2)) return;
    EnsureBrush();
    painter_.drawRect(rect);
}

void QtCanvas::Circle(double cx, double cy, double radius) {
    Unclip();
    FlushLines();
    if (StampCircle(cx, cy, radius)) return;
    EnsureBrush();
    painter_.drawEllipse(QPointF(cx, cy), radius, radius);
}

void QtCanvas::Text(const std::string& text, int left, int top, int right, int bottom) {
    if (text.empty()) return;
    // A rectangle that cannot show a single pixel of a glyph draws nothing.
    if (right - left < 1 || bottom - top < 1) return;
    if (right < 0 || bottom < 0 || left >= image_.width() || top >= image_.height()) return;
    FlushLines();
    QtCanvasLabel& entry = CachedLabel(text, fontPointSize_, painter_.font());
    if (DirectText(entry, left, top, right, bottom)) return;
    const QSizeF size = entry.WholeSize;
    if (size.width() <= right - left && size.height() <= bottom - top) {
        // Fits: no clipping needed.
        Unclip();
        painter_.drawStaticText(left, top, entry.Whole);
        return;
    }
    painter_.setClipRect(QRect(left, top, right - left, bottom - top));
    clipped_ = true;
    painter_.drawStaticText(left, top, LabelForWidth(entry, text, right - left, painter_.font()));
}

bool QtCanvas::DirectText(QtCanvasLabel& entry, int left, int top, int right, int bottom) {
    if (!bits_) return false;
    if (!entry.CoverageTried) {
        entry.CoverageTried = true;
        const int width = int(std::ceil(entry.WholeSize.width())) + 2 * CoverageMargin;
        const int height = int(std::ceil(entry.WholeSize.height())) + 2 * CoverageMargin;
        const qsizetype pixels = qsizetype(width) * height;
        if (pixels > MaxCoveragePixels || coverageBytes + 4 * pixels > CoverageBudget) return false;
        entry.Coverage = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
        entry.Coverage.fill(Qt::transparent);
        QPainter painter(&entry.Coverage);
        painter.setFont(painter_.font());
        painter.setPen(Qt::black);
        painter.drawStaticText(CoverageMargin, CoverageMargin, entry.Whole);
        coverageBytes += 4 * pixels;
    }
    if (entry.Coverage.isNull()) return false;
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
        const auto* from =
            reinterpret_cast<const uint32_t*>(entry.Coverage.constScanLine(y - originY)) - originX;
        auto* to = reinterpret_cast<uint32_t*>(bits_ + y * stride_);
        for (int x = x0; x < x1; ++x) {
            const uint32_t coverage = from[x] >> 24;
            if (coverage == 255)
                to[x] = ink;
            else if (coverage)
                to[x] = BlendCoverage(ink, coverage, to[x]);
        }
    }
    return true;
}

void QtCanvas::FillSpan(int left, int top, int right, int bottom, uint32_t pixel) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, image_.width());
    bottom = std::min(bottom, image_.height());
    if (left >= right || top >= bottom) return;
    for (int y = top; y < bottom; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(bits_ + y * stride_);
        std::fill(row + left, row + right, pixel);
    }
}

void QtCanvas::FillHatch(int left, int top, int right, int bottom, uint32_t pixel) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, image_.width());
    bottom = std::min(bottom, image_.height());
    if (left >= right || top >= bottom) return;
    // The hatch tile repeats every 8 pixels from the picture's origin; in
    // row y its two diagonals sit where x % 8 is y % 8 and 7 - y % 8.
    for (int y = top; y < bottom; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(bits_ + y * stride_);
        const int phases[2] = {y & 7, 7 - (y & 7)};
        for (int phase : phases) {
            int x = left + ((phase - left) & 7);
            for (; x < right; x += 8) row[x] = pixel;
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
    const StampKey key{cx - left,
                       cy - top,
                       radius,
                       PixelOf(fore_),
                       fillStyle_ == FillStyle::Transparent ? 0u : PixelOf(fill_),
                       int(fillStyle_),
                       hatched ? (left & 7) : 0,
                       hatched ? (top & 7) : 0};
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
            switch (fillStyle_) {
                case FillStyle::Solid:
                    painter.setBrush(QBrush(ToQColor(fill_), Qt::SolidPattern));
                    break;
                case FillStyle::Transparent:
                    painter.setBrush(Qt::NoBrush);
                    break;
                case FillStyle::DiagonalCross:
                    painter.setBrush(HatchBrush(fill_));
                    painter.setBrushOrigin(-(left & 7), -(top & 7));
                    break;
            }
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
    // Two pixels thick, centred on the line, flat ends: the pixel rows (or
    // columns) on either side of it, from the first point up to the last.
    if (x1 == x2 && y1 != y2) {
        const int x = int(x1);
        FillSpan(x - 1, int(std::min(y1, y2)), x + 1, int(std::max(y1, y2)), ink);
        return true;
    }
    if (y1 == y2 && x1 != x2) {
        const int y = int(y1);
        FillSpan(int(std::min(x1, x2)), y - 1, int(std::max(x1, x2)), y + 1, ink);
        return true;
    }
    return false;
}
