#include "view/renderer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "view/recordingcanvas.h"
#include "view/viewport.h"

namespace {

constexpr Rgb LedgeColour{10, 20, 30};
constexpr Rgb SlopeColour{11, 21, 31};
constexpr Rgb GateColour{40, 50, 60};
constexpr Rgb BeetleColour{70, 80, 90};

std::string HexRgb(Rgb c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02X%02X%02X", c.R, c.G, c.B);
    return buf;
}

// One primitive with its state as a line of text: readable in a failing test.
std::string Describe(const Primitive& p) {
    static const char* const Kinds[] = {"Clear", "Line", "Box", "Circle", "Text"};
    static const char* const Fills[] = {"solid", "none", "hatch"};
    char coords[96];
    if (p.Kind == PrimitiveKind::Circle) {
        std::snprintf(coords, sizeof coords, "%g,%g r%g", p.A, p.B, p.C);
    } else {
        std::snprintf(coords, sizeof coords, "%g,%g %g,%g", p.A, p.B, p.C, p.D);
    }
    std::string s = std::string(Kinds[static_cast<int>(p.Kind)]) + " " + coords;
    if (p.Kind == PrimitiveKind::Text) s += " '" + p.Label + "'";
    s += " fg" + HexRgb(p.State.Fore) + " bg" + HexRgb(p.State.Fill) + " " +
         Fills[static_cast<int>(p.State.Filling)] + (p.State.Pen == DrawStyle::Dashed ? " dash" : "") + " w" +
         std::to_string(p.State.LineWidth);
    return s;
}

std::vector<std::string> Describe(const std::vector<Primitive>& calls) {
    std::vector<std::string> out;
    for (const Primitive& p : calls) out.push_back(Describe(p));
    return out;
}

LevelObject Object(uint8_t number, uint8_t x, uint8_t y, int16_t w, int16_t h) {
    LevelObject o;
    o.Number = number;
    o.X = x;
    o.Y = y;
    o.Width = w;
    o.Height = h;
    return o;
}

LevelObject Special(uint8_t sub, uint8_t x, uint8_t y) {
    LevelObject o = Object(0, x, y, 1, 1);
    o.SubNumber = sub;
    return o;
}

LevelObject Sprite(int number, uint8_t x, uint8_t y) {
    LevelObject o = Object(static_cast<uint8_t>(number & 0xFF), x, y, 1, 1);
    o.SubNumber = static_cast<uint8_t>(number >> 8);
    o.IsSprite = true;
    return o;
}

class RendererTest : public ::testing::Test {
protected:
    void SetUp() override {
        defs = std::make_unique<Catalogues>();
        defs->ObjectDefs[0].ByteCount = ByteClass::Special;
        ObjectDef& ledge = defs->ObjectDefs[0x5A];
        ledge = {"Ledge", ByteClass::FourByte, false, 0, false, 0, 0, false, false, LedgeColour};
        ObjectDef& slope = defs->ObjectDefs[0x21];
        slope = {"Slope", ByteClass::FiveByte, false, 0, true, 2, 1, false, false, SlopeColour};
        defs->ObjectDefs[0x30] = {"Pipe", ByteClass::FourByte, true, 0, false, 0, 0, false,
                                  false,  LedgeColour};
        defs->SpecialObjectDefs[0x2F] = {"Gate", 1, 1, false, GateColour};
        defs->SpecialObjectDefs[0x30] = {"Fog", 1, 1, true, GateColour};
        defs->SpriteDefs[0x110] = {"Beetle", BeetleColour};

        view.Zoom = 16;
        view.SurfaceWidth = 413;
        view.SurfaceHeight = 488;
        view.H.Maximum = 256;
        view.V.Maximum = 128;
    }

    // Draws the level with every item in the visible list and nothing selected.
    std::vector<std::string> DrawItems(std::vector<LevelObject> items) {
        level.LevelObjects = std::move(items);
        level.SelectedObject = -1;
        view.VisibleObjects.clear();
        for (int i = 0; i < static_cast<int>(level.LevelObjects.size()); ++i)
            view.VisibleObjects.push_back(i);
        canvas.Calls.clear();
        DrawLevel(canvas, view, level, *defs);
        return Describe(canvas.Calls);
    }

    std::unique_ptr<Catalogues> defs;
    ViewState view;
    LevelModel level;
    RecordingCanvas canvas;
};

TEST_F(RendererTest, ItemPrimitivesAndState) {
    struct Case {
        const char* name;
        LevelObject item;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"normal object with handles and label",
         Object(0x5A, 2, 3, 4, 1),
         {"Box 32,48 96,64 fg000000 bg0A141E solid w1", "Line 96,48 96,64 fg000000 bg0A141E solid w2",
          "Line 32,64 96,64 fg000000 bg0A141E solid w2", "Circle 96,64 r2 fg000000 bg0A141E solid w1",
          "Text 34,50 96,64 '5A - Ledge' fg000000 bg0A141E solid w1"}},
        {"negative width: label rectangle from the bounds",
         Object(0x5A, 2, 3, -2, 1),
         {"Box 32,48 0,64 fg000000 bg0A141E solid w1", "Line 0,48 0,64 fg000000 bg0A141E solid w2",
          "Line 32,64 0,64 fg000000 bg0A141E solid w2", "Circle 0,64 r2 fg000000 bg0A141E solid w1",
          "Text 2,50 32,64 '5A - Ledge' fg000000 bg0A141E solid w1"}},
        {"sprite: catalogue colour, green label, no handles",
         Sprite(0x110, 5, 5),
         {"Box 80,80 96,96 fg000000 bg46505A solid w1",
          "Text 82,82 96,96 '110 - Beetle' fg008000 bg46505A solid w1"}},
        {"special object: blue label without prefix, no handles",
         Special(0x2F, 1, 1),
         {"Box 16,16 32,32 fg000000 bg28323C solid w1",
          "Text 18,18 32,32 '2F - Gate' fg0000FF bg28323C solid w1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DrawItems({c.item}), c.expected);
        EXPECT_EQ(canvas.State.Fore, Colours::Black);
        EXPECT_EQ(canvas.State.Fill, Colours::White);
        EXPECT_EQ(canvas.State.Filling, FillStyle::Solid);
        EXPECT_EQ(canvas.State.Pen, DrawStyle::Solid);
        EXPECT_EQ(canvas.State.LineWidth, 1);
    }
}

TEST_F(RendererTest, SlopePatterns) {
    struct Case {
        const char* name;
        bool flagTwo, flagThree;
        uint8_t run, rise;
        int16_t w, h;
        double x1, y1, x2, y2;  // tiles; the object sits at (10, 20)
    };
    const Case cases[] = {
        {"falling, fits", false, false, 2, 1, 6, 5, 10, 20, 16, 23},
        {"falling, shrunk to the height", false, false, 2, 1, 6, 2, 10, 20, 14, 22},
        {"rising above the anchor", true, false, 2, 1, 6, 2, 10, 20, 16, 17},
        {"flag three only, never shrunk", false, true, 2, 1, 6, 2, 10, 20, 16, 23},
        {"falling to the left from the far edge", true, true, 2, 1, 6, 2, 16, 20, 10, 23},
        {"steep: 1 across, 2 down", false, false, 1, 2, 2, 8, 10, 20, 12, 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ObjectDef& def = defs->ObjectDefs[0x21];
        def.DrawFlagTwo = c.flagTwo;
        def.DrawFlagThree = c.flagThree;
        def.SlopeRun = c.run;
        def.SlopeRise = c.rise;
        view.Zoom = 8;
        DrawItems({Object(0x21, 10, 20, c.w, c.h)});
        // Box, two handles, circle, then the dashed box and diagonal.
        ASSERT_GE(canvas.Calls.size(), 6u);
        const Primitive& box = canvas.Calls[4];
        const Primitive& diagonal = canvas.Calls[5];
        EXPECT_EQ(box.Kind, PrimitiveKind::Box);
        EXPECT_EQ(diagonal.Kind, PrimitiveKind::Line);
        for (const Primitive* p : {&box, &diagonal}) {
            EXPECT_DOUBLE_EQ(p->A, c.x1 * 8);
            EXPECT_DOUBLE_EQ(p->B, c.y1 * 8);
            EXPECT_DOUBLE_EQ(p->C, c.x2 * 8);
            EXPECT_DOUBLE_EQ(p->D, c.y2 * 8);
            EXPECT_EQ(p->State.Pen, DrawStyle::Dashed);
            EXPECT_EQ(p->State.Filling, FillStyle::Transparent);
        }
        // The label after the pattern is back to solid strokes and fills.
        EXPECT_EQ(canvas.Calls[6].Kind, PrimitiveKind::Text);
        EXPECT_EQ(canvas.Calls[6].State.Pen, DrawStyle::Solid);
        EXPECT_EQ(canvas.Calls[6].State.Filling, FillStyle::Solid);
    }
}

TEST_F(RendererTest, SlopeWithZeroProportionsDrawsNoPattern) {
    struct Case {
        uint8_t run, rise;
        int16_t h;
    };
    // A zero run always divides by zero; a zero rise only when the pattern
    // must be fitted to a (negative) height.
    for (const Case& c : {Case{0, 1, 5}, Case{0, 0, 5}, Case{2, 0, -3}}) {
        defs->ObjectDefs[0x21].SlopeRun = c.run;
        defs->ObjectDefs[0x21].SlopeRise = c.rise;
        DrawItems({Object(0x21, 10, 20, 6, c.h)});
        for (const Primitive& p : canvas.Calls) EXPECT_EQ(p.State.Pen, DrawStyle::Solid);
        EXPECT_EQ(canvas.OfKind(PrimitiveKind::Box).size(), 1u);
    }
    // A zero rise with a positive height is a flat pattern, still drawn.
    defs->ObjectDefs[0x21].SlopeRun = 2;
    DrawItems({Object(0x21, 10, 20, 6, 5)});
    EXPECT_EQ(canvas.OfKind(PrimitiveKind::Box).size(), 2u);
}

TEST_F(RendererTest, CrossSectionHiddenItemsAreDashedOutlinesWithoutLabel) {
    view.Toggles.CrossSection = true;
    const std::vector<std::string> drawn = DrawItems({Object(0x30, 1, 1, 2, 2)});
    EXPECT_EQ(drawn, (std::vector<std::string>{
                         "Box 16,16 48,48 fg000000 bg0A141E none dash w1",
                         "Line 48,16 48,48 fg000000 bg0A141E none dash w2",
                         "Line 16,48 48,48 fg000000 bg0A141E none dash w2",
                         "Circle 48,48 r2 fg000000 bg0A141E none dash w1",
                     }));
    EXPECT_EQ(canvas.State.Pen, DrawStyle::Solid);
    EXPECT_EQ(canvas.State.Filling, FillStyle::Solid);
}

TEST_F(RendererTest, IsCrossSectionHiddenRules) {
    level.LevelObjects = {Object(0x30, 0, 0, 1, 1), Object(0x5A, 0, 0, 1, 1), Special(0x30, 0, 0),
                          Special(0x2F, 0, 0), Sprite(0x30, 0, 0)};
    struct Case {
        bool mode;
        int index;
        bool hidden;
    };
    const Case cases[] = {{false, 0, false}, {true, 0, true},  {true, 1, false}, {true, 2, true},
                          {true, 3, false},  {true, 4, false}, {true, 5, false}, {true, -1, false}};
    for (const Case& c : cases) {
        view.Toggles.CrossSection = c.mode;
        EXPECT_EQ(IsCrossSectionHidden(view, level, *defs, c.index), c.hidden) << c.index;
    }
}

TEST_F(RendererTest, ObjectLabels) {
    level.LevelObjects = {Object(0x5A, 0, 0, 1, 1), Special(0x2F, 0, 0), Sprite(0x110, 0, 0),
                          Sprite(0x0, 0, 0), Object(0x0A, 0, 0, 1, 1)};
    defs->ObjectDefs[0x0A].Name = "Brick";
    struct Case {
        int index;
        bool prefix;
        const char* label;
    };
    const Case cases[] = {{0, true, "5A - Ledge"},
                          {1, false, "2F - Gate"},
                          {1, true, "X2F - Gate"},
                          {2, true, "S110 - Beetle"},
                          {3, true, "S0 - "},
                          {4, false, "A - Brick"},
                          {9, true, ""}};
    for (const Case& c : cases) EXPECT_EQ(ObjectLabel(level, *defs, c.index, c.prefix), c.label) << c.index;
}

TEST_F(RendererTest, TransparentWireBlocksHatchBoxesAndCircles) {
    view.Toggles.Transparent = true;
    view.Zoom = 12;
    DrawItems({Object(0x5A, 2, 3, 4, 1)});
    EXPECT_EQ(canvas.OfKind(PrimitiveKind::Box)[0].State.Filling, FillStyle::DiagonalCross);
    const Primitive circle = canvas.OfKind(PrimitiveKind::Circle)[0];
    EXPECT_EQ(circle.State.Filling, FillStyle::DiagonalCross);
    EXPECT_DOUBLE_EQ(circle.C, 1.5);
    EXPECT_EQ(canvas.State.Filling, FillStyle::DiagonalCross);
}

TEST_F(RendererTest, ItemsAreDrawnInVisibleListOrder) {
    level.LevelObjects = {Object(0x5A, 0, 0, 4, 4), Sprite(0x110, 1, 1), Special(0x2F, 2, 2)};
    level.SelectedObject = 0;
    view.VisibleObjects = {0, 2};
    DrawLevel(canvas, view, level, *defs);
    const std::vector<Primitive> texts = canvas.OfKind(PrimitiveKind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].Label, "5A - Ledge");
    EXPECT_EQ(texts[1].Label, "2F - Gate");
    // Selection outline last, drawn red and unfilled.
    const Primitive& last = canvas.Calls.back();
    EXPECT_EQ(Describe(last), "Box 0,0 64,64 fgFF0000 bg28323C none w1");
}

TEST_F(RendererTest, ScreenExitOutlineAndMarker) {
    level.ScreenExits = {ScreenExit{1, 0, 0, 0, 0, 0}};
    view.SurfaceWidth = 1000;
    DrawItems({});
    EXPECT_EQ(Describe(canvas.Calls), (std::vector<std::string>{
                                          "Box 256,0 512,256 fgFF8000 bgFF8000 none w1",
                                          "Box 256,0 288,8 fgFF8000 bgFF8000 solid w1",
                                      }));
    EXPECT_EQ(canvas.State.Fore, Colours::Black);
    EXPECT_EQ(canvas.State.Fill, Colours::White);
    EXPECT_EQ(canvas.State.Filling, FillStyle::Solid);

    // Scrolled and at 12x the marker keeps its fractional height.
    view.Zoom = 12;
    view.H.Value = 10;
    view.V.Value = 1;
    DrawItems({});
    EXPECT_EQ(Describe(canvas.Calls[1]), "Box 72,-12 96,-6 fgFF8000 bgFF8000 solid w1");
}

TEST_F(RendererTest, ScreenExitsOutOfViewAreSkipped) {
    // 413 x 488 at 16x: 25 columns and 30 rows in view.
    struct Case {
        uint8_t sx, sy;
        int hs, vs;
        bool drawn;
    };
    const Case cases[] = {{2, 0, 0, 0, false},
                          {0, 2, 0, 0, false},
                          {0, 0, 16, 0, true},
                          {0, 0, 17, 0, false},
                          {3, 3, 23, 18, true}};
    for (const Case& c : cases) {
        level.ScreenExits = {ScreenExit{c.sx, c.sy, 0, 0, 0, 0}};
        view.H.Value = c.hs;
        view.V.Value = c.vs;
        DrawItems({});
        EXPECT_EQ(canvas.Calls.size(), c.drawn ? 2u : 0u) << int(c.sx) << "," << int(c.sy) << " at " << c.hs;
    }
}

TEST_F(RendererTest, ForegroundHandOverFromGridToLevel) {
    canvas.ButtonText = Rgb{1, 2, 3};
    view.Toggles.SmallGrid = true;
    level.LevelObjects = {Object(0x5A, 0, 0, 1, 1)};
    level.SelectedObject = 0;
    view.VisibleObjects = {};
    // With nothing labelled the grid's colour survives the pass.
    RepaintView(canvas, view, level, *defs);
    EXPECT_EQ(canvas.State.Fore, (Rgb{1, 2, 3}));
    EXPECT_EQ(canvas.Calls.front().Kind, PrimitiveKind::Clear);

    // The first outline is drawn in the grid's colour, the label resets it.
    view.VisibleObjects = {0};
    canvas.Calls.clear();
    RepaintView(canvas, view, level, *defs);
    const std::vector<Primitive> boxes = canvas.OfKind(PrimitiveKind::Box);
    EXPECT_EQ(boxes[0].State.Fore, (Rgb{1, 2, 3}));
    EXPECT_EQ(canvas.State.Fore, Colours::Black);
}

TEST_F(RendererTest, BadIndicesDrawNothing) {
    level.LevelObjects = {Object(0x5A, 0, 0, 1, 1)};
    level.SelectedObject = 7;
    view.VisibleObjects = {3, -1};
    DrawLevel(canvas, view, level, *defs);
    EXPECT_TRUE(canvas.OfKind(PrimitiveKind::Box).empty());
    // A sprite number beyond the catalogue still gets a label and a fill.
    LevelObject odd = Sprite(0x3FF, 0, 0);
    DrawItems({odd});
    EXPECT_EQ(canvas.OfKind(PrimitiveKind::Text)[0].Label, "3FF - ");
}

TEST_F(RendererTest, LabelsThatCannotShowAreSkipped) {
    // Visible-list members just beyond the surface: outlines but no text.
    view.SurfaceWidth = 160;
    view.SurfaceHeight = 160;
    DrawItems({Object(0x5A, 10, 0, 2, 1), Object(0x5A, 0, 10, 1, 2), Object(0x5A, 4, 4, 1, 1)});
    EXPECT_EQ(canvas.OfKind(PrimitiveKind::Box).size(), 3u);
    ASSERT_EQ(canvas.OfKind(PrimitiveKind::Text).size(), 1u);
    EXPECT_EQ(canvas.OfKind(PrimitiveKind::Text)[0].A, 66);
}

struct GridCase {
    const char* name;
    int zoom, hs, vs;
    bool smallGrid;
    size_t fineLines, screenLines;
};

TEST(GridTest, LineCountsAndColours) {
    const GridCase cases[] = {
        {"16x", 16, 0, 0, false, 0, 26},
        {"4x with the small grid", 4, 0, 0, true, 386, 26},
        {"64x scrolled", 64, 100, 50, true, 386, 26},
    };
    for (const GridCase& c : cases) {
        SCOPED_TRACE(c.name);
        ViewState view;
        view.Zoom = c.zoom;
        view.H.Value = c.hs;
        view.V.Value = c.vs;
        view.Toggles.SmallGrid = c.smallGrid;
        RecordingCanvas canvas;
        canvas.ButtonText = Rgb{5, 5, 5};
        DrawGrid(canvas, view);
        ASSERT_EQ(canvas.Calls.size(), c.fineLines + c.screenLines);
        for (size_t i = 0; i < canvas.Calls.size(); ++i) {
            const Primitive& p = canvas.Calls[i];
            EXPECT_EQ(p.Kind, PrimitiveKind::Line);
            const Rgb want =
                i < c.fineLines ? Colours::FineGrid : (c.smallGrid ? Rgb{5, 5, 5} : Colours::Black);
            EXPECT_EQ(p.State.Fore, want) << i;
        }
    }
}

TEST(GridTest, ScreenLinesAt16x) {
    ViewState view;
    RecordingCanvas canvas;
    DrawGrid(canvas, view);
    ASSERT_EQ(canvas.Calls.size(), 26u);
    EXPECT_EQ(Describe(canvas.Calls[1]), "Line 256,0 256,2048 fg000000 bgFFFFFF solid w1");
    EXPECT_EQ(Describe(canvas.Calls[16]), "Line 4096,0 4096,2048 fg000000 bgFFFFFF solid w1");
    EXPECT_EQ(Describe(canvas.Calls[25]), "Line 0,2048 4096,2048 fg000000 bgFFFFFF solid w1");

    // Scrolled 20 columns: lines shift left, horizontals end at the level's edge.
    view.H.Value = 20;
    canvas.Calls.clear();
    DrawGrid(canvas, view);
    EXPECT_EQ(Describe(canvas.Calls[0]), "Line -320,0 -320,2048 fg000000 bgFFFFFF solid w1");
    EXPECT_EQ(Describe(canvas.Calls[2]), "Line 192,0 192,2048 fg000000 bgFFFFFF solid w1");
    EXPECT_EQ(Describe(canvas.Calls[18]), "Line 0,256 3776,256 fg000000 bgFFFFFF solid w1");
}

TEST(GridTest, BeyondTheLevelNoLineEntersTheView) {
    ViewState view;
    view.Zoom = 4;
    view.H.Value = 256;
    view.V.Value = 130;
    view.Toggles.SmallGrid = true;
    RecordingCanvas canvas;
    DrawGrid(canvas, view);
    for (const Primitive& p : canvas.Calls) {
        // Every line lies on or beyond the top or left border.
        EXPECT_TRUE((p.A <= 0 && p.C <= 0) || (p.B <= 0 && p.D <= 0)) << Describe(p);
    }
}

}  // namespace
