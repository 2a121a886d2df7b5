// The drawing surface seen by the renderer: drawing state plus a few
// primitives, all in pixels of the level surface. A recording canvas in the
// tests and a QPainter canvas in the window implement it.
#pragma once
#include <string>

#include "util/rgb.h"

namespace tarnloft {

enum class FillStyle { Solid, Transparent, DiagonalCross };
enum class DrawStyle { Solid, Dashed };

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void SetForeColour(Rgb colour) = 0;
    virtual void SetFillColour(Rgb colour) = 0;
    virtual void SetFillStyle(FillStyle style) = 0;
    virtual void SetDrawStyle(DrawStyle style) = 0;
    virtual void SetLineWidth(int width) = 0;

    // Clears the whole surface to its background colour.
    virtual void Clear() = 0;
    virtual void Line(double x1, double y1, double x2, double y2) = 0;
    // Box between two opposite corners, outlined in the foreground colour and
    // filled by the fill style.
    virtual void Box(double x1, double y1, double x2, double y2) = 0;
    virtual void Circle(double cx, double cy, double radius) = 0;
    // Text in the foreground colour, left/top aligned, single line, clipped
    // to the rectangle, transparent background.
    virtual void Text(const std::string& text, int left, int top, int right, int bottom) = 0;

    // Current foreground colour (the renderer restores it after a pass).
    virtual Rgb ForeColour() const = 0;
    // The system's button-text colour, which the grid leaves as foreground.
    virtual Rgb ButtonTextColour() const { return Colours::Black; }
};

}  // namespace tarnloft
