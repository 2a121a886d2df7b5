// Figures measured through the real main window, shown offscreen on the demo
// image: one drag step on the surface and one keystroke in the list filter,
// each with everything the window does in answer to it.
#include <QAbstractItemModel>
#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/mainwindow.h"
#include "surface/levelsurface.h"
#include "view/viewport.h"
#include "windowbench_ui.h"

using namespace tarnloft;

namespace {

// Replaces the level's items with `count` fixed pseudo-random ones around the
// part of the level in view (about a third of them fall inside it).
void FillLevel(EditorState& state, const Catalogues& defs, int count) {
    const std::vector<uint8_t> numbers = bench::NamedObjectNumbers(defs);
    uint32_t seed = 4711;
    auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % static_cast<uint32_t>(range));
    };
    const int left = state.View.H.Value;
    const int top = state.View.V.Value;
    std::vector<LevelObject>& items = state.Level.LevelObjects;
    items.clear();
    for (int i = 0; i < count; ++i) {
        LevelObject o;
        o.Number = numbers[next(static_cast<int>(numbers.size()))];
        o.X = static_cast<uint8_t>(std::min(255, left + next(48)));
        o.Y = static_cast<uint8_t>(std::min(127, top + next(48)));
        o.Width = static_cast<int16_t>(1 + next(4));
        o.Height = static_cast<int16_t>(1 + next(2));
        items.push_back(o);
    }
    state.Level.SelectedObject = 0;
}

BENCH_GROUP("main window") {
    const std::string drag = "drag step (MOV, default window at 16x, 500 items, full repaint)";
    const std::string keystroke =
        "catalogue rebuild on one filter keystroke (1024 entries, list widget included)";
    if (!bench::Selected(drag) && !bench::Selected(keystroke) && !bench::Selected("main window")) return;

    bench::QuietPrompts prompts;
    auto window = bench::StartWindow(prompts);
    if (!window) return;
    const ViewState& view = window->State().View;
    std::printf("  main window: client %d x %d, surface %d x %d at %dx\n", window->centralWidget()->width(),
                window->centralWidget()->height(), view.SurfaceWidth, view.SurfaceHeight, view.Zoom);

    if (bench::Selected(drag) || bench::Selected("main window")) {
        EditorState state = window->State();
        FillLevel(state, window->Defs(), 500);

        // Item 0 is grabbed at its top-left corner; the pointer swings between
        // two tiles so that every step moves it and changes the picture.
        LevelObject& grabbed = state.Level.LevelObjects[0];
        grabbed.X = static_cast<uint8_t>(state.View.H.Value + 5);
        grabbed.Y = static_cast<uint8_t>(state.View.V.Value + 5);
        state.Level.SelectedObject = 0;
        state.Tool.Mode = PointerMode::Moving;
        state.Tool.GrabOffsetX = 0;
        state.Tool.GrabOffsetY = 0;
        window->Session().Apply(&Editor::Reset, state);
        bench::ProcessPendingEvents();
        std::printf("  drag step: %d items, %zu in view\n",
                    static_cast<int>(window->State().Level.LevelObjects.size()),
                    window->State().View.VisibleObjects.size());
        const double zoom = state.View.Zoom;
        bool right = false;
        LevelSurface* surface = window->Surface();
        bench::Measure(drag, [&] {
            right = !right;
            const double x = (right ? 6.5 : 5.5) * zoom;
            emit surface->Moved(MouseButton::Left, x, 5.5 * zoom);
        });
        window->Session().Apply(&Editor::Release);
        bench::ProcessPendingEvents();
    }

    if (bench::Selected(keystroke) || bench::Selected("main window")) {
        // The separate object list window is open, so its copy is refilled too.
        if (auto* toggle = window->findChild<QAction*>(QStringLiteral("mnuViewSeperateobjects")))
            toggle->trigger();
        bench::ProcessPendingEvents();
        auto* filter = window->centralWidget()->findChild<QLineEdit*>(QStringLiteral("txtFilter"));
        auto* list = window->centralWidget()->findChild<QListWidget*>(QStringLiteral("lstObjects"));
        if (!filter || !list) {
            std::fprintf(stderr, "tarnloft_bench: the filter box or the list is missing\n");
            return;
        }
        filter->clear();
        filter->setFocus();
        bench::Measure(keystroke, [&] {
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_End, Qt::NoModifier);
            QCoreApplication::sendEvent(filter, &release);
        });
        int refills = 0;
        const QMetaObject::Connection counting =
            QObject::connect(list->model(), &QAbstractItemModel::modelReset, [&refills] { ++refills; });
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_End, Qt::NoModifier);
        QCoreApplication::sendEvent(filter, &release);
        QObject::disconnect(counting);
        std::printf("  filter keystroke: %d entries in the list, %d refill(s) per key\n", list->count(),
                    refills);
    }
    bench::ProcessPendingEvents();
}

}  // namespace
