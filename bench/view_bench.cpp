// Figures for repainting the level view: the core drawing pass on its own,
// and (with the windows built) a full repaint into the surface's picture,
// each compared with the floor of clearing and filling the same picture once.
#include <cstdint>
#include <cstdio>
#include <vector>

#include "bench.h"
#include "level/levelio.h"
#include "rom/romimage.h"
#include "view/canvas.h"
#include "view/layout.h"
#include "view/renderer.h"
#include "view/viewport.h"

#ifdef TARNLOFT_BENCH_UI
#include <QImage>
#include <QPainter>

#include "surface/qtcanvas.h"

using namespace tarnloft;
#endif

namespace {

// Counts primitives and otherwise does nothing: the renderer's own cost.
class NullCanvas : public Canvas {
public:
    long Calls = 0;
    void SetForeColour(Rgb c) override { fore_ = c; }
    void SetFillColour(Rgb) override {}
    void SetFillStyle(FillStyle) override {}
    void SetDrawStyle(DrawStyle) override {}
    void SetLineWidth(int) override {}
    void Clear() override { ++Calls; }
    void Line(double, double, double, double) override { ++Calls; }
    void Box(double, double, double, double) override { ++Calls; }
    void Circle(double, double, double) override { ++Calls; }
    void Text(const std::string&, int, int, int, int) override { ++Calls; }
    Rgb ForeColour() const override { return fore_; }

private:
    Rgb fore_ = Colours::Black;
};

struct Scene {
    std::string Name;
    ViewState View;
    LevelModel Level;
};

// A fixed pseudo-random level: the same items on every run.
LevelModel SyntheticLevel(const Catalogues& defs, int count, int columns, int rows, int maxWidth,
                          int maxHeight) {
    const std::vector<uint8_t> numbers = bench::NamedObjectNumbers(defs);
    uint32_t seed = 12345;
    auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % static_cast<uint32_t>(range));
    };
    LevelModel level;
    for (int i = 0; i < count; ++i) {
        LevelObject o;
        o.Number = numbers[next(static_cast<int>(numbers.size()))];
        o.X = static_cast<uint8_t>(next(columns));
        o.Y = static_cast<uint8_t>(next(rows));
        o.Width = static_cast<int16_t>(1 + next(maxWidth));
        o.Height = static_cast<int16_t>(1 + next(maxHeight));
        level.LevelObjects.push_back(o);
    }
    return level;
}

ViewState SurfaceView(int zoom, int width, int height) {
    ViewState view;
    view.Zoom = zoom;
    view.SurfaceWidth = width;
    view.SurfaceHeight = height;
    return view;
}

std::vector<Scene> Scenes() {
    const Catalogues& defs = bench::ShippedCatalogues();
    std::vector<Scene> scenes;

    // (a) The default window at 16x with the first demo level.
    Scene a;
    a.Name = "413 x 488 at 16x, demo level 0";
    RomImage rom;
    if (!rom.Open(bench::DemoImagePath())) {
        LoadResult load = LoadLevelIndex(rom, defs, 0);
        if (load.Ok) a.Level = std::move(load.Level);
    }
    LayoutPass(LayoutInput{LayoutDesign::ClientWidth, LayoutDesign::ClientHeight}, a.View, a.Level);
    scenes.push_back(std::move(a));

    // (b) A large view at 4x: the whole level, small grid, hatched boxes, 2,000 labels.
    Scene b;
    b.Name = "1920 x 1080 at 4x, small grid, transparent, 2000 items";
    b.View = SurfaceView(4, 1920, 1080);
    b.View.Toggles.SmallGrid = true;
    b.View.Toggles.Transparent = true;
    b.Level = SyntheticLevel(defs, 2000, 252, 126, 4, 2);
    scenes.push_back(std::move(b));

    // (c) A large view at 64x: few, big, hatched boxes.
    Scene c;
    c.Name = "1920 x 1080 at 64x, transparent, 100 items up to 8 x 4";
    c.View = SurfaceView(64, 1920, 1080);
    c.View.Toggles.Transparent = true;
    c.Level = SyntheticLevel(defs, 100, 28, 15, 8, 4);
    scenes.push_back(std::move(c));

    for (Scene& s : scenes) RebuildVisibleList(s.View, s.Level);
    return scenes;
}

BENCH_GROUP("view repaint") {
    const Catalogues& defs = bench::ShippedCatalogues();
    for (const Scene& s : Scenes()) {
        const std::string items = std::to_string(s.View.VisibleObjects.size()) + " in view";
        NullCanvas counter;
        const double core = bench::MedianMs([&] { RepaintView(counter, s.View, s.Level, defs); });
        bench::Report("core drawing pass, " + s.Name + " (" + items + ")", core);

#ifdef TARNLOFT_BENCH_UI
        QImage picture(s.View.SurfaceWidth, s.View.SurfaceHeight, QImage::Format_RGB32);
        const QColor background(240, 240, 240);
        const int points = SurfaceFontPointSize(s.View.Zoom);
        const double floor = bench::MedianMs([&] {
            picture.fill(background);
            QPainter painter(&picture);
            painter.fillRect(picture.rect(), Qt::white);
        });
        bench::Report("floor (clear and fill once), " + s.Name, floor);

        const auto repaint = [&] {
            QtCanvas canvas(picture, points, background, Qt::black);
            RepaintView(canvas, s.View, s.Level, defs);
        };
        const double warm = bench::MedianMs(repaint);
        bench::Report("repaint, " + s.Name, warm);
        const double cold = bench::MedianMs([&] {
            QtCanvas::ClearTextCache();
            repaint();
        });
        bench::Report("repaint, empty label cache, " + s.Name, cold);
        if (floor > 0) {
            std::printf("  ratio to floor: %.1f (warm), %.1f (empty label cache)\n", warm / floor,
                        cold / floor);
        }
        if (s.View.SurfaceWidth >= 1920) {
            // A screen at 200 %: four times the pixels, drawn at device resolution.
            QImage dense(2 * s.View.SurfaceWidth, 2 * s.View.SurfaceHeight, QImage::Format_RGB32);
            bench::Measure("repaint at device pixel ratio 2, " + s.Name, [&] {
                QtCanvas canvas(dense, points, background, Qt::black, 2);
                RepaintView(canvas, s.View, s.Level, defs);
            });
        }
#endif
    }
}

}  // namespace
