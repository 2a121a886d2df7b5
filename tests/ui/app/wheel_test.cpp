// The mouse wheel over the drawing surface reaches the scroll bars and the
// zoom menu (what a turn does is the core's, tests/core/edit/wheel_test.cpp).
#include <QScrollBar>
#include <QWheelEvent>

#include "surface/levelsurface.h"
#include "uitestsupport.h"

using namespace uitest;

using SurfaceWheel = WindowTest;

TEST_F(SurfaceWheel, ScrollsTheBarsAndZoomsTheMenu) {
    auto turn = [this](QPoint delta, Qt::KeyboardModifiers modifiers) {
        const QPointF at(100, 100);
        QWheelEvent event(at, window->Surface()->mapToGlobal(at), QPoint(), delta, Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(window->Surface(), &event);
    };
    auto* h = Find<QScrollBar>("hscLevelPos");
    auto* v = Find<QScrollBar>("vscLevelPos");
    h->setValue(40);
    v->setValue(20);
    turn({0, -120}, Qt::ShiftModifier);
    turn({0, -120}, Qt::NoModifier);
    EXPECT_EQ(std::tuple(h->value(), v->value()), std::tuple(41, 21));
    turn({0, 120}, Qt::ControlModifier);
    EXPECT_TRUE(FindIndexed<QAction>(window, "mnuViewZoom", 24)->isChecked());
    EXPECT_EQ(h->maximum(), 256 - 413 / 24);
    EXPECT_EQ(std::tuple(h->value(), v->value()), std::tuple(State().View.H.Value, State().View.V.Value));
}
