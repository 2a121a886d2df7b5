// Figures for the pointer handlers on a crowded level: hover feedback, a
// drag, and the popup of overlapping items; and for the selection as a set:
// a group's drag step, a rubber band and a paste, each with its target.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench.h"
#include "edit/clipboard.h"
#include "edit/editor.h"
#include "edit/hittest.h"
#include "view/viewport.h"

using namespace tarnloft;

namespace {

inline constexpr int ItemCount = 1000;

// The first five-byte number the catalogue defines (any number works for
// timing, but a sized object exercises the handle tests too).
uint8_t SizedObjectNumber(const Catalogues& defs) {
    for (int n = 1; n < 255; ++n)
        if (defs.ObjectDefs[n].ByteCount == ByteClass::FiveByte) return static_cast<uint8_t>(n);
    return 1;
}

// The items on a 1024 x 512 surface at 4x, where 256 x 128 tiles are in view.
EditorState InView(std::vector<LevelObject> items) {
    EditorState state;
    state.View.Zoom = 4;
    state.View.SurfaceWidth = 1024;
    state.View.SurfaceHeight = 512;
    state.Level.LevelObjects = std::move(items);
    RebuildVisibleList(state.View, state.Level);
    return state;
}

// Every item in view, many of them overlapping.
EditorState CrowdedState(const Catalogues& defs) {
    const uint8_t number = SizedObjectNumber(defs);
    std::vector<LevelObject> items(ItemCount);
    for (int i = 0; i < ItemCount; ++i) {
        LevelObject& entry = items[size_t(i)];
        entry.Number = number;
        entry.X = static_cast<uint8_t>((i * 37) % 250);
        entry.Y = static_cast<uint8_t>((i * 11) % 120);
        entry.Width = static_cast<int16_t>(1 + i % 6);
        entry.Height = static_cast<int16_t>(1 + i % 5);
    }
    return InView(std::move(items));
}

BENCH_GROUP("editing") {
    const Catalogues& defs = bench::ShippedCatalogues();
    Editor editor(defs, CrowdedState(defs));
    EditorState state = CrowdedState(defs);
    const std::string items = std::to_string(ItemCount) + " items in view";

    bench::Measure("hover: 1000 pointer moves over " + items, [&] {
        for (int i = 0; i < 1000; ++i) editor.Move(MouseButton::None, (i * 7) % 1024, (i * 13) % 512);
    });

    bench::Measure("move drag: press and 1000 steps, " + items, [&] {
        editor.Press(MouseButton::Left, 2, 2);
        for (int i = 0; i < 1000; ++i) editor.Move(MouseButton::Left, i % 1024, i % 512);
        editor.Release();
    });

    bench::Measure("popup: 1000 fills at crowded points, " + items, [&] {
        for (int i = 0; i < 1000; ++i) FillObjectPopup(state, defs, (i * 7) % 1024, (i * 13) % 512);
    });
}

// Objects and sprites in turn, one tile each, three tiles apart in rows of
// 80: every item in view, nothing overlapping, the bottom-right corner of
// the surface empty.
EditorState GridState(const Catalogues& defs, int count) {
    const uint8_t number = SizedObjectNumber(defs);
    std::vector<LevelObject> items(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        LevelObject& entry = items[size_t(i)];
        entry.IsSprite = i % 2 == 1;
        entry.Number = entry.IsSprite ? 0 : number;
        entry.X = static_cast<uint8_t>(3 * (i % 80));
        entry.Y = static_cast<uint8_t>(3 * (i / 80));
    }
    return InView(std::move(items));
}

// A figure that did not do its work measures nothing: the run stops.
void Expect(bool done, const char* what) {
    if (done) return;
    std::fprintf(stderr, "tarnloft_bench: %s\n", what);
    std::exit(1);
}

BENCH_GROUP("selection") {
    const Catalogues& defs = bench::ShippedCatalogues();

    // Item 1, a sprite at tile (3,0), is pressed inside, clear of every handle.
    Editor group(defs, GridState(defs, 500));
    group.SelectAll();
    group.Press(MouseButton::Left, 14, 2);
    int step = 0;
    bench::MeasureAgainst("group drag: one step of 500 selected items", 2,
                          [&] { group.Move(MouseButton::Left, 14 + 4 * (++step % 2), 2); });
    group.Move(MouseButton::Left, 18, 2);
    group.Release();
    Expect(group.Level().LevelObjects[0].X == 1 && group.Level().LevelObjects[499].X == 58,
           "the group did not move as one");

    Editor band(defs, GridState(defs, 2000));
    bench::MeasureAgainst("rubber band: press, move, release over 2000 items", 2, [&] {
        band.Press(MouseButton::Left, 1020, 508);
        band.Move(MouseButton::Left, 0, 0);
        band.Release();
    });
    Expect(band.Level().Selection.size() == 2000, "the band did not select every item");

    const EditorState crowded = CrowdedState(defs);
    const std::string payload = EncodeClipItems(ClipItemsOf(GridState(defs, 500).Level.LevelObjects));
    std::string error;
    Expect(DecodeClipItems(payload, error).has_value(), "the clipboard payload does not read back");
    Editor paste(defs, crowded);
    bench::MeasureAgainst(
        "paste: 500 items read from the clipboard into " + std::to_string(ItemCount) + " items", 5,
        [&] {
            paste.Paste(EntriesOf(*DecodeClipItems(payload, error)), PointerPosition{100, 100});
        },
        [&] { paste.Reset(crowded); });
    Expect(paste.Level().LevelObjects.size() == crowded.Level.LevelObjects.size() + 500,
           "the paste did not add 500 items");
}

}  // namespace
