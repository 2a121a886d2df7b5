// A canvas that records every primitive together with the drawing state in
// force when it was drawn, so tests can compare what a pass would paint.
#pragma once
#include <string>
#include <vector>

#include "view/canvas.h"

struct DrawingState {
    Rgb Fore = Colours::Black;
    Rgb Fill = Colours::White;
    FillStyle Filling = FillStyle::Solid;
    DrawStyle Pen = DrawStyle::Solid;
    int LineWidth = 1;
};

enum class PrimitiveKind { Clear, Line, Box, Circle, Text };

struct Primitive {
    PrimitiveKind Kind = PrimitiveKind::Clear;
    double A = 0, B = 0, C = 0, D = 0;  // corners / end points; circle: centre, radius in C
    std::string Label;
    DrawingState State;
};

class RecordingCanvas : public Canvas {
public:
    DrawingState State;
    std::vector<Primitive> Calls;
    Rgb ButtonText = Colours::Black;

    void SetForeColour(Rgb colour) override { State.Fore = colour; }
    void SetFillColour(Rgb colour) override { State.Fill = colour; }
    void SetFillStyle(FillStyle style) override { State.Filling = style; }
    void SetDrawStyle(DrawStyle style) override { State.Pen = style; }
    void SetLineWidth(int width) override { State.LineWidth = width; }

    void Clear() override { Record(PrimitiveKind::Clear, 0, 0, 0, 0); }
    void Line(double x1, double y1, double x2, double y2) override {
        Record(PrimitiveKind::Line, x1, y1, x2, y2);
    }
    void Box(double x1, double y1, double x2, double y2) override {
        Record(PrimitiveKind::Box, x1, y1, x2, y2);
    }
    void Circle(double cx, double cy, double radius) override {
        Record(PrimitiveKind::Circle, cx, cy, radius, 0);
    }
    void Text(const std::string& text, int left, int top, int right, int bottom) override {
        Record(PrimitiveKind::Text, left, top, right, bottom);
        Calls.back().Label = text;
    }

    Rgb ForeColour() const override { return State.Fore; }
    Rgb ButtonTextColour() const override { return ButtonText; }

    std::vector<Primitive> OfKind(PrimitiveKind kind) const {
        std::vector<Primitive> out;
        for (const Primitive& p : Calls)
            if (p.Kind == kind) out.push_back(p);
        return out;
    }

private:
    void Record(PrimitiveKind kind, double a, double b, double c, double d) {
        Primitive p;
        p.Kind = kind;
        p.A = a;
        p.B = b;
        p.C = c;
        p.D = d;
        p.State = State;
        Calls.push_back(p);
    }
};
