// The QPainter canvas: fills, outlines and labels as pixels of the picture.
#include "surface/qtcanvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <vector>

#include "surface/labelcache.h"

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

// Names reach the canvas as UTF-8, as they reach the side panels; a long
// label is shortened by characters, never inside one.
TEST(QtCanvas, LabelsReadTheirTextAsUtf8) {
    const QFont font = QtCanvas::SurfaceFont(10);
    QtCanvasLabel& label = CachedLabel("caf\xC3\xA9 \xC3\xA9t\xC3\xA9 with a long tail of words", 10, font);
    EXPECT_EQ(label.Text, QString::fromUtf8("café été with a long tail of words"));
    EXPECT_EQ(label.Starts.size(), static_cast<size_t>(label.Text.size()));
    const QStaticText& shortened = LabelForWidth(label, 1, font);
    EXPECT_TRUE(label.Text.startsWith(shortened.text()));
    EXPECT_LT(shortened.text().size(), label.Text.size());
}

// The canvas writes boxes, wide lines and small circles straight into the
// pixels and batches lines; the picture must be exactly what a plain
// QPainter with the same pen and brush draws.
TEST(QtCanvas, FastPathsMatchThePainterPixelForPixel) {
    constexpr FillStyle Solid = FillStyle::Solid, Clear = FillStyle::Transparent,
                        Hatch = FillStyle::DiagonalCross;
    struct Step {
        char Kind;  // 'B' box, 'L' line, 'C' circle
        double A, B, C, D;
        int Width;
        FillStyle Fill;
        DrawStyle Draw = DrawStyle::Solid;
    };
    struct Case {
        const char* Name;
        std::vector<Step> Steps;
    };
    const Case cases[] = {
        {"boxes inside, both corner orders",
         {{'B', 10, 10, 30, 20, 1, Solid}, {'B', 40, 30, 20, 25, 1, Clear}}},
        {"boxes cut by the edges", {{'B', -5, -5, 20, 20, 1, Solid}, {'B', 50, 50, 70, 70, 1, Solid}}},
        {"lines forwards then backwards",
         {{'L', 0, 5, 60, 5, 1, Clear},
          {'L', 60, 10, 0, 10, 1, Clear},
          {'L', 7, 0, 7, 63, 1, Clear},
          {'L', 9, 63, 9, 0, 1, Clear}}},
        {"two-pixel handle lines", {{'L', 20, 0, 20, 40, 2, Clear}, {'L', 3, 30, 50, 30, 2, Clear}}},
        {"handle circles",
         {{'C', 32, 32, 2, 0, 1, Solid}, {'C', 10, 50, 0.5, 0, 1, Solid}, {'C', 50, 10, 8, 0, 1, Clear}}},
        {"cross-hatched boxes off the hatch's grid",
         {{'B', 3, 5, 29, 22, 1, Hatch}, {'B', 45, 40, 20, 61, 1, Hatch}, {'B', -6, 50, 9, 70, 1, Hatch}}},
        {"cross-hatched circles",
         {{'C', 21, 13, 6, 0, 1, Hatch}, {'C', 40.5, 44.5, 9, 0, 1, Hatch}, {'C', 60, 3, 5, 0, 1, Hatch}}},
        {"dashed lines and boxes",
         {{'L', 0, 7, 63, 7, 1, Clear, DrawStyle::Dashed},
          {'L', 12, 63, 12, 0, 1, Clear, DrawStyle::Dashed},
          {'L', 2, 2, 60, 50, 1, Clear, DrawStyle::Dashed},
          {'B', 20, 20, 50, 45, 1, Hatch, DrawStyle::Dashed}}},
    };
    const QColor fore(10, 20, 30);
    for (const Case& c : cases) {
        QImage fast = Blank(), reference = Blank();
        {
            QtCanvas canvas(fast, 6, Background, Qt::black);
            canvas.SetForeColour(Rgb{10, 20, 30});
            canvas.SetFillColour(Rgb{200, 100, 50});
            for (const Step& s : c.Steps) {
                canvas.SetLineWidth(s.Width);
                canvas.SetFillStyle(s.Fill);
                canvas.SetDrawStyle(s.Draw);
                if (s.Kind == 'B') canvas.Box(s.A, s.B, s.C, s.D);
                if (s.Kind == 'L') canvas.Line(s.A, s.B, s.C, s.D);
                if (s.Kind == 'C') canvas.Circle(s.A, s.B, s.C);
            }
        }
        {
            QPainter painter(&reference);
            for (const Step& s : c.Steps) {
                QPen pen(fore, s.Width, s.Draw == DrawStyle::Dashed ? Qt::DashLine : Qt::SolidLine);
                pen.setCapStyle(Qt::FlatCap);
                painter.setPen(pen);
                painter.setBrush(QtCanvas::FillBrush(s.Fill, Rgb{200, 100, 50}));
                if (s.Kind == 'B')
                    painter.drawRect(QRectF(QPointF(s.A, s.B), QPointF(s.C, s.D)).normalized());
                if (s.Kind == 'L') painter.drawLine(QPointF(s.A, s.B), QPointF(s.C, s.D));
                if (s.Kind == 'C') painter.drawEllipse(QPointF(s.A, s.B), s.C, s.C);
            }
        }
        EXPECT_NE(fast, Blank()) << c.Name;
        EXPECT_EQ(fast, reference) << c.Name;
    }
}
