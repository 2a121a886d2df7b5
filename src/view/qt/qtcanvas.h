// Canvas on a QPainter over the persistent picture of the level surface.
// One instance lives for one repaint; labels are laid out once and cached.
#pragma once
#include <QColor>
#include <QFont>
#include <QPainter>

#include "view/canvas.h"

class QImage;

class QtCanvas : public Canvas {
public:
    // Paints on `image` until destroyed. `background` is what Clear() paints,
    // `buttonText` the colour the grid leaves behind as foreground.
    QtCanvas(QImage& image, int fontPointSize, QColor background, QColor buttonText);
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
    // at 96 dots per inch so that the picture does not depend on the screen.
    static QFont SurfaceFont(int pointSize);

    // Drops the cached label layouts (used by the benchmark to measure a cold start).
    static void ClearTextCache();

private:
    void ApplyPen();
    void ApplyBrush();
    void Unclip();

    QImage& image_;
    QPainter painter_;
    QColor background_;
    QColor buttonText_;
    int fontPointSize_;
    Rgb fore_ = Colours::Black;
    Rgb fill_ = Colours::White;
    FillStyle fillStyle_ = FillStyle::Solid;
    DrawStyle drawStyle_ = DrawStyle::Solid;
    int lineWidth_ = 1;
    bool clipped_ = false;
};
