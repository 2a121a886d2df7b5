// The canvas's state, the painter path and the drawing primitives; the fast
// paths that write pixels directly are in qtcanvas_pixels.cpp.
#include "surface/qtcanvas.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <string>
#include <unordered_map>

#include "surface/labelcache.h"

namespace tarnloft {

namespace {

Rgb ToRgb(const QColor& c) {
    return Rgb{static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
               static_cast<uint8_t>(c.blue())};
}

}  // namespace

const QBrush& QtCanvas::HatchBrush(Rgb colour, int period) {
    thread_local std::unordered_map<uint64_t, QBrush> brushes;
    const uint64_t key =
        (uint64_t(period) << 24) | (uint32_t(colour.R) << 16) | (uint32_t(colour.G) << 8) | colour.B;
    auto it = brushes.find(key);
    if (it != brushes.end()) return it->second;
    if (brushes.size() >= 256) brushes.clear();
    QImage tile(period, period, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    const QRgb ink = qRgb(colour.R, colour.G, colour.B);
    for (int i = 0; i < period; ++i) {
        tile.setPixel(i, i, ink);
        tile.setPixel(period - 1 - i, i, ink);
    }
    return brushes.emplace(key, QBrush(tile)).first->second;
}

QBrush QtCanvas::FillBrush(FillStyle style, Rgb colour, int hatchPeriod) {
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

bool QtCanvas::ClipToPicture(int& left, int& top, int& right, int& bottom) const {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, image_.width());
    bottom = std::min(bottom, image_.height());
    return left < right && top < bottom;
}

QFont QtCanvas::SurfaceFont(int pointSize, int scale) {
    QFont font;
    font.setFamilies(
        {QStringLiteral("Small Fonts"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pointSize * 96.0 / 72.0))) *
                      std::max(1, scale));
    return font;
}

void QtCanvas::ClearTextCache() { ClearLabelCache(); }

QtCanvas::QtCanvas(QImage& image, int fontPointSize, QColor background, QColor buttonText, int scale)
    : image_(image),
      background_(background),
      buttonText_(buttonText),
      fontPointSize_(fontPointSize),
      scale_(std::max(1, scale)) {
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
    painter_.setFont(SurfaceFont(fontPointSize_, scale_));
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
    // Thin lines stay one device pixel wide; thick ones keep their weight.
    pen_.setWidth(lineWidth_ == 1 ? 1 : lineWidth_ * scale_);
    pen_.setStyle(drawStyle_ == DrawStyle::Dashed ? Qt::DashLine : Qt::SolidLine);
    // Dashes are measured in pen widths; a thin pen's are scaled by hand.
    if (drawStyle_ == DrawStyle::Dashed && lineWidth_ == 1 && scale_ > 1)
        pen_.setDashPattern({4.0 * scale_, 2.0 * scale_});
    painter_.setPen(pen_);
}

void QtCanvas::ApplyBrush() {
    // Most boxes never reach the painter; the brush is set when one does.
    brushDirty_ = true;
}

void QtCanvas::EnsureBrush() {
    if (!brushDirty_) return;
    brushDirty_ = false;
    painter_.setBrush(FillBrush(fillStyle_, fill_, HatchPeriod()));
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
    x1 *= scale_, y1 *= scale_, x2 *= scale_, y2 *= scale_;
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
    x1 *= scale_, y1 *= scale_, x2 *= scale_, y2 *= scale_;
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
    cx *= scale_, cy *= scale_, radius *= scale_;
    Unclip();
    FlushLines();
    if (StampCircle(cx, cy, radius)) return;
    EnsureBrush();
    painter_.drawEllipse(QPointF(cx, cy), radius, radius);
}

void QtCanvas::Text(const std::string& text, int left, int top, int right, int bottom) {
    if (text.empty()) return;
    left *= scale_, top *= scale_, right *= scale_, bottom *= scale_;
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
    painter_.drawStaticText(left, top, LabelForWidth(entry, right - left, painter_.font()));
}

}  // namespace tarnloft
