// Canvas on a QPainter over the persistent picture of the level surface.
// One instance lives for one repaint; labels are laid out once and cached.
// The picture is pixel art: runs of plain lines are drawn in batches;
// whole-pixel boxes, thick handle lines and small circles (from stamps) are
// written straight into the picture's pixels exactly where the painter would
// have put them; small labels are blended from a cached glyph coverage image.
// On a high-density screen the picture holds `scale` device pixels per
// surface pixel: coordinates and text grow by that factor, thin lines stay
// one device pixel wide. Each thread keeps its own caches, so pictures can
// be drawn on worker threads.
#pragma once
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QLine>
#include <QPainter>
#include <QPen>
#include <cmath>
#include <cstdint>
#include <vector>

#include "view/canvas.h"

class QImage;

namespace tarnloft {

struct QtCanvasLabel;

class QtCanvas : public Canvas {
public:
    // Paints on `image` until destroyed. `background` is what Clear() paints,
    // `buttonText` the colour the grid leaves behind as foreground. The
    // image is `scale` times the surface's size in each direction.
    QtCanvas(QImage& image, int fontPointSize, QColor background, QColor buttonText, int scale = 1);
    ~QtCanvas() override;
    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

    void SetForeColour(Rgb colour) override;
    void SetFillColour(Rgb colour) override;
    void SetFillStyle(FillStyle style) override;
    void SetDrawStyle(DrawStyle style) override;
    void SetLineWidth(int width) override;

    void Clear() override;
    void Line(double x1, double y1, double x2, double y2) override;
    void Box(double x1, double y1, double x2, double y2) override;
    void Circle(double cx, double cy, double radius) override;
    void Text(const std::string& text, int left, int top, int right, int bottom) override;

    Rgb ForeColour() const override { return fore_; }
    Rgb ButtonTextColour() const override;

    // The surface font: "Small Fonts" at the given point size, with a small
    // sans serif standing in where that family is missing. Sized in pixels
    // at 96 dots per inch so that the picture does not depend on the screen,
    // times `scale` for a picture in device pixels.
    static QFont SurfaceFont(int pointSize, int scale = 1);

    // Drops the cached label layouts (used by the benchmark to measure a cold start).
    static void ClearTextCache();

    // The brush that fills boxes and circles in the given style and colour;
    // the cross-hatch repeats every `hatchPeriod` pixels.
    static QBrush FillBrush(FillStyle style, Rgb colour, int hatchPeriod = 8);

private:
    // Small helpers of the painter path and the direct pixel writes.
    static QColor ToQColor(Rgb c) { return QColor(c.R, c.G, c.B); }
    static bool Whole(double v) { return v == std::floor(v) && std::fabs(v) < 1e7; }
    static uint32_t PixelOf(Rgb c) {
        return 0xff000000u | (uint32_t(c.R) << 16) | (uint32_t(c.G) << 8) | c.B;
    }
    // The diagonal cross-hatch as a texture in the fill colour, transparent
    // between the lines, which repeat every `period` pixels: the raster engine
    // fills a premultiplied texture much faster than its generic pattern brushes.
    static const QBrush& HatchBrush(Rgb colour, int period);
    // Clips [left, right) x [top, bottom) to the picture; false when nothing is left.
    bool ClipToPicture(int& left, int& top, int& right, int& bottom) const;

    void ApplyPen();
    void ApplyBrush();
    void EnsureBrush();
    void Unclip();
    // Draws the lines held back so far.
    void FlushLines();
    // Whether the pen is one pixel wide, solid and whole-pixel exact here.
    bool PlainPen() const { return drawStyle_ == DrawStyle::Solid && lineWidth_ == 1; }
    // Device pixels between two diagonals of the cross-hatch.
    int HatchPeriod() const { return 8 * scale_; }
    // Fast paths on the picture's pixels; false when the painter must draw.
    bool DirectBox(double x1, double y1, double x2, double y2);
    bool DirectWideLine(double x1, double y1, double x2, double y2);
    bool StampCircle(double cx, double cy, double radius);
    bool DirectText(QtCanvasLabel& entry, int left, int top, int right, int bottom);
    // Fills [left, right) x [top, bottom), clipped to the picture.
    void FillSpan(int left, int top, int right, int bottom, uint32_t pixel);
    void FillHatch(int left, int top, int right, int bottom, uint32_t pixel);

    QImage& image_;
    QPainter painter_;
    QColor background_;
    QColor buttonText_;
    int fontPointSize_;
    int scale_;
    Rgb fore_ = Colours::Black;
    Rgb fill_ = Colours::White;
    FillStyle fillStyle_ = FillStyle::Solid;
    DrawStyle drawStyle_ = DrawStyle::Solid;
    int lineWidth_ = 1;
    bool clipped_ = false;
    bool brushDirty_ = true;
    QPen pen_;
    std::vector<QLineF> pendingLines_;  // plain lines not drawn yet, in order
    // The picture's pixels when they are 32-bit and may be written directly.
    uchar* bits_ = nullptr;
    qsizetype stride_ = 0;
};

}  // namespace tarnloft
