// The mouse wheel over the drawing surface: scrolling through the scroll
// bars, fractions of a notch, and Ctrl+wheel zoom around the pointer.
#include <QScrollBar>
#include <QWheelEvent>

#include "edit/hittest.h"
#include "surface/levelsurface.h"
#include "uitestsupport.h"

using namespace tarnloft;

using namespace uitest;

namespace {

void Turn(QWidget* surface, QPoint delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
          QPointF at = QPointF(100, 100)) {
    QWheelEvent event(at, surface->mapToGlobal(at), QPoint(), delta, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(surface, &event);
}

}  // namespace

TEST(SurfaceWheel, ScrollsByTilesAndZoomsAroundThePointer) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    MainWindow* window = w.Window.get();
    LevelSurface* surface = window->Surface();
    auto* h = Find<QScrollBar>(window, "hscLevelPos");
    auto* v = Find<QScrollBar>(window, "vscLevelPos");
    h->setValue(40);
    v->setValue(20);

    struct Row {
        const char* name;
        QPoint delta;
        Qt::KeyboardModifiers modifiers;
        int columns, rows;  // the bars' change
    } const rows[] = {
        {"towards the user: down", {0, -120}, Qt::NoModifier, 0, 1},
        {"shift: sideways", {0, -120}, Qt::ShiftModifier, 1, 0},
        {"half a notch", {0, -60}, Qt::NoModifier, 0, 0},
        {"the other half", {0, -60}, Qt::NoModifier, 0, 1},
    };
    for (const Row& row : rows) {
        const int column = h->value(), line = v->value();
        Turn(surface, row.delta, row.modifiers);
        EXPECT_EQ(std::tuple(h->value() - column, v->value() - line), std::tuple(row.columns, row.rows))
            << row.name;
        EXPECT_EQ(std::tuple(window->State().View.H.Value, window->State().View.V.Value),
                  std::tuple(h->value(), v->value()))
            << row.name;
    }
    v->setValue(20);
    const QPointF pointer(203, 117);
    const TilePoint before = PointerTile(window->State().View, pointer.x(), pointer.y());
    Turn(surface, {0, 120}, Qt::ControlModifier, pointer);
    EXPECT_EQ(window->State().View.Zoom, 24);
    EXPECT_TRUE(FindIndexed<QAction>(window, "mnuViewZoom", 24)->isChecked());
    EXPECT_FALSE(FindIndexed<QAction>(window, "mnuViewZoom", 16)->isChecked());
    EXPECT_EQ(h->maximum(), 256 - 413 / 24);
    const TilePoint after = PointerTile(window->State().View, pointer.x(), pointer.y());
    EXPECT_EQ(std::tuple(after.X, after.Y), std::tuple(before.X, before.Y));
    EXPECT_EQ(std::tuple(h->value(), v->value()),
              std::tuple(window->State().View.H.Value, window->State().View.V.Value));
}
