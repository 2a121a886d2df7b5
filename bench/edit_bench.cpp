// Figures for the pointer handlers on a crowded level: hover feedback, a
// drag, and the popup of overlapping items.
#include <string>

#include "bench.h"
#include "edit/hittest.h"
#include "edit/editor.h"
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

// Every item in view at 4x on a 1024 x 512 surface, many of them overlapping.
EditorState CrowdedState(const Catalogues& defs) {
    EditorState state;
    state.View.Zoom = 4;
    state.View.SurfaceWidth = 1024;
    state.View.SurfaceHeight = 512;
    const uint8_t number = SizedObjectNumber(defs);
    for (int i = 0; i < ItemCount; ++i) {
        LevelObject entry;
        entry.Number = number;
        entry.X = static_cast<uint8_t>((i * 37) % 250);
        entry.Y = static_cast<uint8_t>((i * 11) % 120);
        entry.Width = static_cast<int16_t>(1 + i % 6);
        entry.Height = static_cast<int16_t>(1 + i % 5);
        state.Level.LevelObjects.push_back(entry);
    }
    RebuildVisibleList(state.View, state.Level);
    return state;
}

BENCH_GROUP("editing") {
    const Catalogues& defs = bench::ShippedCatalogues();
    Editor editor(defs, CrowdedState(defs));
    EditorState state = CrowdedState(defs);
    const std::string items = std::to_string(ItemCount) + " items in view";

    bench::Measure("hover: 1000 pointer moves over " + items, [&] {
        for (int i = 0; i < 1000; ++i)
            editor.Move(MouseButton::None, (i * 7) % 1024, (i * 13) % 512);
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

}  // namespace
