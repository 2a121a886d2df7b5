// The QPainter canvas: fills, outlines and labels as pixels of the picture.
#include "surface/qtcanvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <vector>

using namespace tarnloft;

namespace {

const QColor Background(212, 208, 200);

QImage Blank(int w = 64, int h = 64) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

int CountPixels(const QImage& image, QColor colour, QRect area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour) ++count;
    return count;
}

}  // namespace

TEST(QtCanvas, FillStylesFillOrLeaveTheInterior) {
    struct Case {
        FillStyle Style;
        int MinFilled, MaxFilled;  // interior pixels in the fill colour, of 14 x 14
    };
    const Case cases[] = {
        {FillStyle::Solid, 196, 196}, {FillStyle::Transparent, 0, 0}, {FillStyle::DiagonalCross, 20, 150}};
    for (const Case& c : cases) {
        QImage image = Blank();
        {
            QtCanvas canvas(image, 6, Background, Qt::black);
            canvas.Clear();
            canvas.SetFillColour(Rgb{0, 200, 0});
            canvas.SetFillStyle(c.Style);
            canvas.Box(8, 8, 24, 24);
        }
        const int filled = CountPixels(image, QColor(0, 200, 0), QRect(9, 9, 14, 14));
        EXPECT_GE(filled, c.MinFilled) << int(c.Style);
        EXPECT_LE(filled, c.MaxFilled) << int(c.Style);
        // Outline in the foreground colour, background outside.
        EXPECT_EQ(image.pixelColor(8, 16), QColor(Qt::black));
        EXPECT_EQ(image.pixelColor(2, 2), Background);
    }
}

TEST(QtCanvas, DashedAndWideLines) {
    QImage image = Blank(100, 20);
    {
        QtCanvas canvas(image, 6, Background, Qt::black);
        canvas.SetDrawStyle(DrawStyle::Dashed);
        canvas.Line(0, 5, 99, 5);
        canvas.SetDrawStyle(DrawStyle::Solid);
        canvas.SetLineWidth(2);
        canvas.Line(0, 12, 99, 12);
    }
    const int dashed = CountPixels(image, Qt::black, QRect(0, 5, 100, 1));
    EXPECT_GT(dashed, 20);
    EXPECT_LT(dashed, 90);
    // Two pixels thick, unbroken.
    EXPECT_EQ(CountPixels(image, Qt::black, QRect(50, 8, 1, 10)), 2);
    EXPECT_GE(CountPixels(image, Qt::black, QRect(0, 8, 100, 10)), 196);
}

TEST(QtCanvas, TextStaysInsideItsRectangleAndUsesTheForeground) {
    QImage image = Blank(200, 60);
    {
        QtCanvas canvas(image, 10, Background, Qt::black);
        canvas.SetForeColour(Rgb{0, 0, 255});
        canvas.Text("5A - A rather long label that does not fit", 10, 10, 60, 30);
        canvas.Text("ignored", 100, 10, 100, 30);  // no room at all
    }
    int inside = 0, outside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c == QColor(Qt::white)) continue;
            (QRect(10, 10, 50, 20).contains(x, y) ? inside : outside)++;
        }
    EXPECT_GT(inside, 10);
    EXPECT_EQ(outside, 0);
    EXPECT_GT(CountPixels(image, QColor(0, 0, 255), QRect(10, 10, 50, 20)), 0);
}

// The canvas writes boxes, wide lines and small circles straight into the
// pixels and batches lines; the picture must be exactly what a plain
// QPainter with the same pen and brush draws.
TEST(QtCanvas, FastPathsMatchThePainterPixelForPixel) {
    struct Step {
        char Kind;  // 'B' box, 'L' line, 'C' circle
        double A, B, C, D;
        int Width;
        bool Filled;
    };
    struct Case {
        const char* Name;
        std::vector<Step> Steps;
    };
    const Case cases[] = {
        {"boxes inside, both corner orders",
         {{'B', 10, 10, 30, 20, 1, true}, {'B', 40, 30, 20, 25, 1, false}}},
        {"boxes cut by the edges", {{'B', -5, -5, 20, 20, 1, true}, {'B', 50, 50, 70, 70, 1, true}}},
        {"lines forwards then backwards",
         {{'L', 0, 5, 60, 5, 1, false},
          {'L', 60, 10, 0, 10, 1, false},
          {'L', 7, 0, 7, 63, 1, false},
          {'L', 9, 63, 9, 0, 1, false}}},
        {"two-pixel handle lines", {{'L', 20, 0, 20, 40, 2, false}, {'L', 3, 30, 50, 30, 2, false}}},
        {"handle circles",
         {{'C', 32, 32, 2, 0, 1, true}, {'C', 10, 50, 0.5, 0, 1, true}, {'C', 50, 10, 8, 0, 1, false}}},
    };
    const QColor fore(10, 20, 30), fill(200, 100, 50);
    for (const Case& c : cases) {
        QImage fast = Blank(), reference = Blank();
        {
            QtCanvas canvas(fast, 6, Background, Qt::black);
            canvas.SetForeColour(Rgb{10, 20, 30});
            canvas.SetFillColour(Rgb{200, 100, 50});
            for (const Step& s : c.Steps) {
                canvas.SetLineWidth(s.Width);
                canvas.SetFillStyle(s.Filled ? FillStyle::Solid : FillStyle::Transparent);
                if (s.Kind == 'B') canvas.Box(s.A, s.B, s.C, s.D);
                if (s.Kind == 'L') canvas.Line(s.A, s.B, s.C, s.D);
                if (s.Kind == 'C') canvas.Circle(s.A, s.B, s.C);
            }
        }
        {
            QPainter painter(&reference);
            for (const Step& s : c.Steps) {
                QPen pen(fore, s.Width);
                pen.setCapStyle(Qt::FlatCap);
                painter.setPen(pen);
                painter.setBrush(s.Filled ? QBrush(fill) : QBrush(Qt::NoBrush));
                if (s.Kind == 'B')
                    painter.drawRect(QRectF(QPointF(s.A, s.B), QPointF(s.C, s.D)).normalized());
                if (s.Kind == 'L') painter.drawLine(QPointF(s.A, s.B), QPointF(s.C, s.D));
                if (s.Kind == 'C') painter.drawEllipse(QPointF(s.A, s.B), s.C, s.C);
            }
        }
        EXPECT_EQ(fast, reference) << c.Name;
    }
}
