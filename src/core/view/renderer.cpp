#include "view/renderer.h"

#include "util/hex.h"
#include "view/viewport.h"

namespace tarnloft {

namespace {

// Sprite numbers beyond the catalogue (only possible with a damaged stream)
// fall back to an empty, white entry instead of reading past the table.
const SpriteDef& SpriteEntry(const Catalogues& defs, int number) {
    static const SpriteDef Unknown{"", Colours::White};
    if (number < 0 || number >= SpriteCount) return Unknown;
    return defs.SpriteDefs[number];
}

enum class ItemKind { Sprite, Special, Normal };

ItemKind KindOf(const LevelObject& item, const Catalogues& defs) {
    if (item.IsSprite) return ItemKind::Sprite;
    if (defs.ObjectDefs[item.Number].ByteCount == ByteClass::Special) return ItemKind::Special;
    return ItemKind::Normal;
}

Rgb FillColourOf(const LevelObject& item, ItemKind kind, const Catalogues& defs) {
    switch (kind) {
        case ItemKind::Sprite:
            return SpriteEntry(defs, item.SpriteNumber()).Colour;
        case ItemKind::Special:
            return defs.SpecialObjectDefs[item.SubNumber].Colour;
        case ItemKind::Normal:
            break;
    }
    return defs.ObjectDefs[item.Number].Colour;
}

FillStyle ItemFillStyle(const ViewState& view) {
    return view.Toggles.Transparent ? FillStyle::DiagonalCross : FillStyle::Solid;
}

// Box between two whole-tile corners.
void TileBox(Canvas& canvas, const ViewState& view, int x1, int y1, int x2, int y2) {
    canvas.Box(Px(view, x1), Py(view, y1), Px(view, x2), Py(view, y2));
}

// Dashed diagonal and its box for slope objects. Tile units in single
// precision; nothing is drawn where the slope's proportions would divide by zero.
void DrawSlopePattern(Canvas& canvas, const ViewState& view, const LevelObject& item, const ObjectDef& def) {
    if (def.SlopeRun == 0) return;
    const float w = item.Width;
    const float h = item.Height;
    const float run = def.SlopeRun;
    const float rise = def.SlopeRise;
    float u = w / run;
    float dy = rise * u;
    float dx = run * u;

    const float x = item.X;
    const float y = item.Y;
    float x1 = x, y1 = y, x2 = 0, y2 = 0;
    if (!def.DrawFlagTwo && !def.DrawFlagThree) {
        if (dy > h) {
            // Shrink the pattern to the item's height.
            if (rise == 0) return;
            u = h / rise;
            dx = run * u;
            dy = rise * u;
        }
        x2 = x + dx;
        y2 = y + dy;
    } else if (def.DrawFlagTwo && !def.DrawFlagThree) {
        x2 = x + dx;
        y2 = y - dy;
    } else if (!def.DrawFlagTwo && def.DrawFlagThree) {
        x2 = x + dx;
        y2 = y + dy;
    } else {
        x1 = x + w;
        x2 = x + w - dx;
        y2 = y + dy;
    }

    canvas.SetDrawStyle(DrawStyle::Dashed);
    canvas.SetFillStyle(FillStyle::Transparent);
    const double px1 = PxF(view, x1), py1 = PyF(view, y1);
    const double px2 = PxF(view, x2), py2 = PyF(view, y2);
    canvas.Box(px1, py1, px2, py2);
    canvas.Line(px1, py1, px2, py2);
}

// A label rectangle that is empty or lies wholly outside the surface would
// show nothing; skipping it saves the costliest call of a pass.
bool LabelShows(const ViewState& view, int left, int top, int right, int bottom) {
    if (right - left < 1 || bottom - top < 1) return false;
    if (right <= 0 || bottom <= 0) return false;
    if (left >= view.SurfaceWidth || top >= view.SurfaceHeight) return false;
    return true;
}

void DrawItem(Canvas& canvas, const ViewState& view, const LevelModel& level, const Catalogues& defs,
              int index) {
    const LevelObject& item = level.LevelObjects[index];
    const ItemKind kind = KindOf(item, defs);
    const bool hidden = IsCrossSectionHidden(view, level, defs, index);
    const int x2 = item.X + static_cast<int>(item.Width);
    const int y2 = item.Y + static_cast<int>(item.Height);

    canvas.SetFillColour(FillColourOf(item, kind, defs));
    if (hidden) {
        canvas.SetDrawStyle(DrawStyle::Dashed);
        canvas.SetFillStyle(FillStyle::Transparent);
    }
    TileBox(canvas, view, item.X, item.Y, x2, y2);

    if (kind == ItemKind::Normal) {
        // Width and height handles and their shared corner.
        canvas.SetLineWidth(2);
        canvas.Line(Px(view, x2), Py(view, item.Y), Px(view, x2), Py(view, y2));
        canvas.Line(Px(view, item.X), Py(view, y2), Px(view, x2), Py(view, y2));
        canvas.SetLineWidth(1);
        canvas.Circle(Px(view, x2), Py(view, y2), view.Zoom / 8.0);

        const ObjectDef& def = defs.ObjectDefs[item.Number];
        if (def.IsSlope) DrawSlopePattern(canvas, view, item, def);
    }

    canvas.SetFillStyle(ItemFillStyle(view));
    canvas.SetDrawStyle(DrawStyle::Solid);

    if (!hidden) {
        if (kind == ItemKind::Special) canvas.SetForeColour(Colours::SpecialLabel);
        if (kind == ItemKind::Sprite) canvas.SetForeColour(Colours::SpriteLabel);
        const TileBounds b = ItemBounds(item);
        const int left = Px(view, b.Left) + 2;
        const int top = Py(view, b.Top) + 2;
        const int right = Px(view, b.Right);
        const int bottom = Py(view, b.Bottom);
        if (LabelShows(view, left, top, right, bottom)) {
            canvas.Text(ObjectLabel(level, defs, index, false), left, top, right, bottom);
        }
        canvas.SetForeColour(Colours::Black);
    }
}

void DrawScreenExits(Canvas& canvas, const ViewState& view, const LevelModel& level) {
    const int hs = view.H.Value;
    const int vs = view.V.Value;
    const int wide = VisibleTilesWide(view);
    const int high = VisibleTilesHigh(view);
    for (const ScreenExit& exit : level.ScreenExits) {
        const ExitMarker m = ExitMarkerOf(view, exit);
        const int tx = m.Column, ty = m.Row;
        if (!(tx - hs <= wide && ty - vs <= high && tx + TilesPerScreen - hs >= 0 &&
              ty + TilesPerScreen - vs >= 0))
            continue;

        canvas.SetFillColour(Colours::Orange);
        canvas.SetForeColour(Colours::Orange);
        canvas.SetFillStyle(FillStyle::Transparent);
        TileBox(canvas, view, tx, ty, tx + TilesPerScreen, ty + TilesPerScreen);
        canvas.SetFillStyle(FillStyle::Solid);
        canvas.Box(m.Left, m.Top, m.Right, m.Bottom);
    }
}

}  // namespace

bool IsCrossSectionHidden(const ViewState& view, const LevelModel& level, const Catalogues& defs, int index) {
    if (!view.Toggles.CrossSection || !level.HoldsEntry(index)) return false;
    const LevelObject& item = level.LevelObjects[index];
    if (item.IsSprite) return false;
    const ObjectDef& def = defs.ObjectDefs[item.Number];
    if (def.ByteCount == ByteClass::Special) return defs.SpecialObjectDefs[item.SubNumber].CrossSection;
    return def.CrossSection;
}

std::string ObjectLabel(const LevelModel& level, const Catalogues& defs, int index, bool withPrefix) {
    if (!level.HoldsEntry(index)) return {};
    return ItemLabel(level.LevelObjects[index], defs, withPrefix);
}

std::string ItemLabel(const LevelObject& item, const Catalogues& defs, bool withPrefix) {
    switch (KindOf(item, defs)) {
        case ItemKind::Sprite: {
            const int number = item.SpriteNumber();
            return (withPrefix ? "S" : "") + Hex(number) + " - " + SpriteEntry(defs, number).Name;
        }
        case ItemKind::Special:
            return (withPrefix ? "X" : "") + Hex(item.SubNumber) + " - " +
                   defs.SpecialObjectDefs[item.SubNumber].Name;
        case ItemKind::Normal:
            break;
    }
    return Hex(item.Number) + " - " + defs.ObjectDefs[item.Number].Name;
}

void DrawGrid(Canvas& canvas, const ViewState& view) {
    const int z = view.Zoom;
    const auto verticals = [&](int step) {
        for (int p = 0; p <= LevelTilesWide * z; p += step) {
            const int x = p - z * view.H.Value;
            canvas.Line(x, 0, x, (LevelTilesHigh - view.V.Value) * z);
        }
    };
    const auto horizontals = [&](int step) {
        for (int p = 0; p <= LevelTilesHigh * z; p += step) {
            const int y = p - z * view.V.Value;
            canvas.Line(0, y, (LevelTilesWide - view.H.Value) * z, y);
        }
    };
    if (z <= 0) return;

    if (view.Toggles.SmallGrid) {
        canvas.SetForeColour(Colours::FineGrid);
        verticals(z);
        horizontals(z);
        canvas.SetForeColour(canvas.ButtonTextColour());
    }
    verticals(16 * z);
    horizontals(16 * z);
}

namespace {

// Members of a selection of several items besides the primary: a dashed
// outline in the selection's colour.
void DrawOtherMembers(Canvas& canvas, const ViewState& view, const LevelModel& level) {
    if (level.Selection.size() < 2) return;
    canvas.SetDrawStyle(DrawStyle::Dashed);
    for (int index : level.Selection) {
        if (index == level.SelectedObject || !level.HoldsEntry(index)) continue;
        const LevelObject& item = level.LevelObjects[index];
        TileBox(canvas, view, item.X, item.Y, item.X + item.Width, item.Y + item.Height);
    }
    canvas.SetDrawStyle(DrawStyle::Solid);
}

void DrawRubberBand(Canvas& canvas, const PixelBand& band) {
    canvas.SetFillStyle(FillStyle::Transparent);
    canvas.SetForeColour(Colours::Black);
    canvas.SetDrawStyle(DrawStyle::Dashed);
    canvas.Box(band.X1, band.Y1, band.X2, band.Y2);
    canvas.SetDrawStyle(DrawStyle::Solid);
}

}  // namespace

void DrawLevel(Canvas& canvas, const ViewState& view, const LevelModel& level, const Catalogues& defs) {
    // The first box relies on the fill style of the current toggle.
    canvas.SetFillStyle(ItemFillStyle(view));

    for (int index : view.VisibleObjects) {
        if (level.HoldsEntry(index)) DrawItem(canvas, view, level, defs, index);
    }

    const Rgb c0 = canvas.ForeColour();
    DrawScreenExits(canvas, view, level);

    if (level.HoldsEntry(level.SelectedObject)) {
        canvas.SetFillStyle(FillStyle::Transparent);
        canvas.SetForeColour(Colours::Red);
        DrawOtherMembers(canvas, view, level);
        const LevelObject& item = level.LevelObjects[level.SelectedObject];
        TileBox(canvas, view, item.X, item.Y, item.X + item.Width, item.Y + item.Height);
    }
    if (view.RubberBand) DrawRubberBand(canvas, *view.RubberBand);

    canvas.SetFillStyle(ItemFillStyle(view));
    canvas.SetForeColour(c0);
    canvas.SetFillColour(Colours::White);
}

void RepaintView(Canvas& canvas, const ViewState& view, const LevelModel& level, const Catalogues& defs) {
    canvas.Clear();
    DrawGrid(canvas, view);
    DrawLevel(canvas, view, level, defs);
}

}  // namespace tarnloft
