#include "view/qt/qtcanvas.h"

#include <QImage>
#include <QStaticText>
#include <algorithm>
#include <cmath>
#include <string>
#include <unordered_map>

namespace {

QColor ToQColor(Rgb c) { return QColor(c.R, c.G, c.B); }

Rgb ToRgb(const QColor& c) {
    return Rgb{static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
               static_cast<uint8_t>(c.blue())};
}

// Laid-out labels, keyed by point size and text. Labels repeat from one
// repaint to the next, so laying them out once saves most of the text cost.
struct TextCache {
    std::unordered_map<std::string, QStaticText> Entries;
};

TextCache& Cache() {
    static TextCache cache;
    return cache;
}

constexpr size_t MaxCachedLabels = 4096;

// The diagonal cross-hatch as a texture in the fill colour, transparent
// between the lines. The raster engine fills a premultiplied texture much
// faster than its generic pattern brushes.
const QImage& HatchTile(Rgb colour) {
    static std::unordered_map<uint32_t, QImage> tiles;
    const uint32_t key = (uint32_t(colour.R) << 16) | (uint32_t(colour.G) << 8) | colour.B;
    auto it = tiles.find(key);
    if (it != tiles.end()) return it->second;
    if (tiles.size() >= 256) tiles.clear();
    QImage tile(8, 8, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    const QRgb ink = qRgb(colour.R, colour.G, colour.B);
    for (int i = 0; i < 8; ++i) {
        tile.setPixel(i, i, ink);
        tile.setPixel(7 - i, i, ink);
    }
    return tiles.emplace(key, std::move(tile)).first->second;
}

const QStaticText& CachedLabel(const std::string& text, int pointSize, const QFont& font) {
    std::string key = std::to_string(pointSize);
    key += '\x1f';
    key += text;
    auto& entries = Cache().Entries;
    auto it = entries.find(key);
    if (it != entries.end()) return it->second;
    if (entries.size() >= MaxCachedLabels) entries.clear();
    // Labels are 8-bit text; Latin-1 maps every byte to a character.
    QStaticText label(QString::fromLatin1(text.data(), static_cast<int>(text.size())));
    label.setTextFormat(Qt::PlainText);
    label.setPerformanceHint(QStaticText::AggressiveCaching);
    label.prepare(QTransform(), font);
    return entries.emplace(std::move(key), std::move(label)).first->second;
}

}  // namespace

QFont QtCanvas::SurfaceFont(int pointSize) {
    QFont font;
    font.setFamilies(
        {QStringLiteral("Small Fonts"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pointSize * 96.0 / 72.0))));
    return font;
}

void QtCanvas::ClearTextCache() { Cache().Entries.clear(); }

QtCanvas::QtCanvas(QImage& image, int fontPointSize, QColor background, QColor buttonText)
    : image_(image), background_(background), buttonText_(buttonText), fontPointSize_(fontPointSize) {
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setFont(SurfaceFont(fontPointSize_));
    ApplyPen();
    ApplyBrush();
}

QtCanvas::~QtCanvas() { painter_.end(); }

Rgb QtCanvas::ButtonTextColour() const { return ToRgb(buttonText_); }

void QtCanvas::ApplyPen() {
    QPen pen(ToQColor(fore_));
    pen.setWidth(lineWidth_);
    pen.setStyle(drawStyle_ == DrawStyle::Dashed ? Qt::DashLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    painter_.setPen(pen);
}

void QtCanvas::ApplyBrush() {
    switch (fillStyle_) {
        case FillStyle::Solid:
            painter_.setBrush(QBrush(ToQColor(fill_), Qt::SolidPattern));
            break;
        case FillStyle::Transparent:
            painter_.setBrush(Qt::NoBrush);
            break;
        case FillStyle::DiagonalCross:
            painter_.setBrush(QBrush(HatchTile(fill_)));
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
    Unclip();
    painter_.fillRect(QRect(0, 0, image_.width(), image_.height()), background_);
}

void QtCanvas::Line(double x1, double y1, double x2, double y2) {
    Unclip();
    painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void QtCanvas::Box(double x1, double y1, double x2, double y2) {
    Unclip();
    const QRectF rect = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
    // Boxes far outside the picture cost nothing to skip; the painter
    // would clip them anyway.
    const double margin = 4;
    if (rect.right() < -margin || rect.bottom() < -margin || rect.left() > image_.width() + margin ||
        rect.top() > image_.height() + margin)
        return;
    painter_.drawRect(rect);
}

void QtCanvas::Circle(double cx, double cy, double radius) {
    Unclip();
    painter_.drawEllipse(QPointF(cx, cy), radius, radius);
}

void QtCanvas::Text(const std::string& text, int left, int top, int right, int bottom) {
    if (text.empty()) return;
    // A rectangle that cannot show a single pixel of a glyph draws nothing.
    if (right - left < 1 || bottom - top < 1) return;
    if (right < 0 || bottom < 0 || left >= image_.width() || top >= image_.height()) return;
    const QStaticText& label = CachedLabel(text, fontPointSize_, painter_.font());
    const QSizeF size = label.size();
    if (size.width() <= right - left && size.height() <= bottom - top) {
        // Fits: no clipping needed.
        Unclip();
    } else {
        painter_.setClipRect(QRect(left, top, right - left, bottom - top));
        clipped_ = true;
    }
    painter_.drawStaticText(left, top, label);
}
