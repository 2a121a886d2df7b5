#include "view/renderer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <numeric>

#include "fixtures.h"

using namespace tarnloft;

using namespace fixture;

namespace {

template <class... Args>
std::string Fmt(const char* format, Args... args) {
    char text[160];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

// Records every primitive as one line of text with the drawing state in force.
struct RecordingCanvas : Canvas {
    Rgb Fore = Colours::Black, Fill = Colours::White, Button = Colours::Black;
    FillStyle Filling = FillStyle::Solid;
    DrawStyle Pen = DrawStyle::Solid;
    int Width = 1;
    std::vector<std::string> Calls;

    void SetForeColour(Rgb c) override { Fore = c; }
    void SetFillColour(Rgb c) override { Fill = c; }
    void SetFillStyle(FillStyle s) override { Filling = s; }
    void SetDrawStyle(DrawStyle s) override { Pen = s; }
    void SetLineWidth(int w) override { Width = w; }
    void Clear() override { Record("Clear"); }
    void Line(double a, double b, double c, double d) override {
        Record(Fmt("Line %g,%g %g,%g", a, b, c, d));
    }
    void Box(double a, double b, double c, double d) override { Record(Fmt("Box %g,%g %g,%g", a, b, c, d)); }
    void Circle(double x, double y, double r) override { Record(Fmt("Circle %g,%g r%g", x, y, r)); }
    void Text(const std::string& t, int l, int top, int r, int b) override {
        Record(Fmt("Text %d,%d %d,%d '%s'", l, top, r, b, t.c_str()));
    }
    Rgb ForeColour() const override { return Fore; }
    Rgb ButtonTextColour() const override { return Button; }
    std::string State() const {
        static const char* const fills[] = {"solid", "none", "hatch"};
        return Fmt(" fg%02X%02X%02X bg%02X%02X%02X %s%s w%d", Fore.R, Fore.G, Fore.B, Fill.R, Fill.G, Fill.B,
                   fills[int(Filling)], Pen == DrawStyle::Dashed ? " dash" : "", Width);
    }
    void Record(const std::string& what) { Calls.push_back(what + State()); }
};

const std::string Reset = " fg000000 bgFFFFFF solid w1";

struct RendererTest : ::testing::Test {
    Catalogues defs = MakeDefs();
    ViewState view;
    LevelModel level;
    RecordingCanvas canvas;
    // Draws the level on 413 x 488 px with every item in the visible list.
    std::vector<std::string> Draw(std::vector<LevelObject> items) {
        level.LevelObjects = std::move(items), level.SelectedObject = -1;
        view.SurfaceWidth = 413, view.SurfaceHeight = 488;
        view.VisibleObjects.resize(level.LevelObjects.size());
        std::iota(view.VisibleObjects.begin(), view.VisibleObjects.end(), 0);
        canvas.Calls.clear();
        DrawLevel(canvas, view, level, defs);
        return canvas.Calls;
    }
};

TEST_F(RendererTest, ItemPrimitivesInCrossSectionMode) {
    const std::pair<LevelObject, std::vector<std::string>> cases[] = {
        {Obj(Five, 2, 3, 4, 1),
         {"Box 32,48 96,64 fg000000 bg0A141E solid w1", "Line 96,48 96,64 fg000000 bg0A141E solid w2",
          "Line 32,64 96,64 fg000000 bg0A141E solid w2", "Circle 96,64 r2 fg000000 bg0A141E solid w1",
          "Text 34,50 96,64 '5A - Ledge' fg000000 bg0A141E solid w1"}},
        {Obj(Five, 2, 3, -2, 1),
         {"Box 32,48 0,64 fg000000 bg0A141E solid w1", "Line 0,48 0,64 fg000000 bg0A141E solid w2",
          "Line 32,64 0,64 fg000000 bg0A141E solid w2", "Circle 0,64 r2 fg000000 bg0A141E solid w1",
          "Text 2,50 32,64 '5A - Ledge' fg000000 bg0A141E solid w1"}},
        {Sprite(0x1A3, 5, 5),
         {"Box 80,80 96,96 fg000000 bg46505A solid w1",
          "Text 82,82 96,96 '1A3 - Bat' fg008000 bg46505A solid w1"}},
        {Special(0x2F, 1, 1),
         {"Box 16,16 32,32 fg000000 bg28323C solid w1",
          "Text 18,18 32,32 '2F - Key' fg0000FF bg28323C solid w1"}},
        {Obj(Hidden, 1, 1, 2, 2),
         {"Box 16,16 48,48 fg000000 bg0A141E none dash w1", "Line 48,16 48,48 fg000000 bg0A141E none dash w2",
          "Line 16,48 48,48 fg000000 bg0A141E none dash w2",
          "Circle 48,48 r2 fg000000 bg0A141E none dash w1"}},
        {Special(0x30, 1, 1), {"Box 16,16 32,32 fg000000 bg000000 none dash w1"}},
        {Sprite(0x3FF, 0, 0),
         {"Box 0,0 16,16 fg000000 bgFFFFFF solid w1", "Text 2,2 16,16 '3FF - ' fg008000 bgFFFFFF solid w1"}}};
    view.Toggles.CrossSection = true;
    for (const auto& [item, expected] : cases) {
        EXPECT_EQ(Draw({item}), expected);
        EXPECT_EQ(canvas.State(), Reset);
    }
}

TEST_F(RendererTest, SlopePatterns) {
    view.Zoom = 8;  // pattern: corners of the dashed box and diagonal; "" = none (zero run, zero rise fitted)
    // Flags two and three, run, rise, height. Only without either flag is the pattern fitted to the height.
    const std::tuple<bool, bool, int, int, int, const char*> cases[] = {
        {false, false, 2, 1, 5, "80,160 128,184"},
        {false, false, 2, 1, 2, "80,160 112,176"},
        {true, false, 2, 1, 2, "80,160 128,136"},
        {false, true, 2, 1, 2, "80,160 128,184"},
        {true, true, 2, 1, 2, "128,160 80,184"},
        {false, false, 0, 1, 5, ""},
        {false, false, 2, 0, -3, ""}};
    for (auto [flagTwo, flagThree, run, rise, h, pattern] : cases) {
        ObjectDef& def = defs.ObjectDefs[Slope];
        def.DrawFlagTwo = flagTwo, def.DrawFlagThree = flagThree;
        def.SlopeRun = uint8_t(run), def.SlopeRise = uint8_t(rise);
        const std::vector<std::string> calls = Draw({Obj(Slope, 10, 20, 6, h)});
        ASSERT_EQ(calls.size(), *pattern ? 7u : 5u) << pattern;
        if (!*pattern) continue;
        EXPECT_EQ(calls[4] + calls[5],
                  Fmt("Box %s fg000000 bg000000 none dash w1Line %s fg000000 bg000000 none dash w1", pattern,
                      pattern));
        EXPECT_EQ(calls[6].substr(calls[6].size() - 9), " solid w1");
    }
}

TEST_F(RendererTest, TransparentOrderAndSelection) {
    view.Toggles.Transparent = true;
    view.Zoom = 12;
    std::vector<std::string> calls = Draw({Obj(Five, 2, 3, 4, 1)});
    EXPECT_EQ(calls[0], "Box 24,36 72,48 fg000000 bg0A141E hatch w1");
    EXPECT_EQ(calls[3], "Circle 72,48 r1.5 fg000000 bg0A141E hatch w1");
    view.Toggles.Transparent = false, view.Zoom = 16;
    level.LevelObjects = {Obj(Five, 0, 0, 4, 4), Sprite(0x1A3, 1, 1), Special(0x2F, 2, 2)};
    level.SelectedObject = 0;
    view.VisibleObjects = {0, 2, 3, -1};  // drawn in list order; bad indices skipped, selection last
    canvas.Calls.clear();
    DrawLevel(canvas, view, level, defs);
    ASSERT_EQ(canvas.Calls.size(), 8u);
    EXPECT_EQ(canvas.Calls[4].substr(0, 27), "Text 2,2 64,64 '5A - Ledge'");
    EXPECT_EQ(canvas.Calls[6].substr(0, 27), "Text 34,34 48,48 '2F - Key'");
    EXPECT_EQ(canvas.Calls.back(), "Box 0,0 64,64 fgFF0000 bg28323C none w1");
}

TEST_F(RendererTest, ScreenExitOutlineAndMarker) {
    const std::tuple<int, int, int, int, int, const char*, const char*> cases[] = {
        {1, 0, 16, 0, 0, "256,0 512,256", "256,0 288,8"},
        {1, 0, 12, 10, 1, "72,-12 264,180", "72,-12 96,-6"},
        {0, 0, 16, 16, 0, "-256,0 0,256", "-256,0 -224,8"},
        {0, 0, 16, 17, 0, "", ""},
        {2, 0, 16, 0, 0, "", ""},
        {0, 2, 16, 0, 0, "", ""}};
    for (auto [sx, sy, zoom, hs, vs, outline, marker] : cases) {
        level.ScreenExits = {Exit(sx, sy)};
        view.Zoom = zoom, view.H.Value = hs, view.V.Value = vs;
        std::vector<std::string> expected;
        if (*outline)
            expected = {Fmt("Box %s fgFF8000 bgFF8000 none w1", outline),
                        Fmt("Box %s fgFF8000 bgFF8000 solid w1", marker)};
        EXPECT_EQ(Draw({}), expected) << sx << "," << sy << " at " << hs;
        EXPECT_EQ(canvas.State(), Reset);
    }
}

TEST(GridTest, LineCountsColoursAndPlaces) {
    struct Case {
        int zoom, hs, vs;
        bool smallGrid;
        int fineLines;
        std::vector<std::pair<int, const char*>> samples;
    } const cases[] = {
        {16, 0, 0, false, 0, {{1, "256,0 256,2048"}, {16, "4096,0 4096,2048"}, {25, "0,2048 4096,2048"}}},
        {16, 20, 0, false, 0, {{0, "-320,0 -320,2048"}, {2, "192,0 192,2048"}, {18, "0,256 3776,256"}}},
        {4, 0, 0, true, 386, {}},
        {4, 256, 130, true, 386, {}}  // beyond the level: no line enters the view
    };
    for (const Case& c : cases) {
        ViewState view;
        view.Zoom = c.zoom, view.H.Value = c.hs, view.V.Value = c.vs, view.Toggles.SmallGrid = c.smallGrid;
        RecordingCanvas canvas;
        canvas.Button = Rgb{5, 5, 5};
        DrawGrid(canvas, view);
        ASSERT_EQ(canvas.Calls.size(), size_t(c.fineLines + 26)) << c.zoom;
        for (int i = 0; i < c.fineLines + 26; ++i) {
            const char* colour = i < c.fineLines ? " fgC0C0FF" : c.smallGrid ? " fg050505" : " fg000000";
            EXPECT_NE(canvas.Calls[i].find(colour), std::string::npos) << i;
            double a, b, x, y;
            ASSERT_EQ(std::sscanf(canvas.Calls[i].c_str(), "Line %lf,%lf %lf,%lf", &a, &b, &x, &y), 4);
            EXPECT_TRUE(c.hs < 256 || (a <= 0 && x <= 0) || (b <= 0 && y <= 0)) << canvas.Calls[i];
        }
        for (const auto& [i, place] : c.samples)
            EXPECT_EQ(canvas.Calls[i], "Line " + std::string(place) + Reset);
    }
}

}  // namespace
