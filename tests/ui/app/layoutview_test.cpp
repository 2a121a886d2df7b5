// The window side of viewing: layout at the design size, the separate list
// window's column, the area outside the level, and zoom.
#include <QListWidget>
#include <QScrollBar>

#include "surface/levelsurface.h"
#include "uitestsupport.h"

using namespace uitest;

namespace {

QRect Geometry(QWidget* window, const char* name) { return Find<QWidget>(window, name)->geometry(); }

TEST(WindowLayout, DesignSizePlacesTheSurfaceAndTheFrames) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    MainWindow* window = w.Window.get();
    EXPECT_EQ(window->centralWidget()->size(), QSize(845, 504));
    EXPECT_EQ(Geometry(window, "vscLevelPos").left(), 621);
    for (const char* frame : {"fraObjectInfo", "fraLevelInfo", "fraScreenExits"})
        EXPECT_EQ(Geometry(window, frame).left(), 645) << frame;
    EXPECT_EQ(Find<QScrollBar>(window, "vscLevelPos")->maximum(), 98);
    EXPECT_EQ(Geometry(window, "Level"), QRect(208, 0, 413, 488));
}

TEST(WindowLayout, SeparateListWindowTakesTheColumnAndKeepsThePick) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    MainWindow* window = w.Window.get();
    auto* list = Find<QListWidget>(window, "lstObjects");
    list->setCurrentRow(5);
    Find<QAction>(window, "mnuViewSeperateobjects")->trigger();  // the catalogue list leaves the window
    EXPECT_EQ(Geometry(window, "Level"), QRect(16, 0, 605, 488));
    EXPECT_EQ(window->centralWidget()->minimumWidth(), 480);
    Find<QAction>(window, "mnuViewSeperateobjects")->trigger();
    EXPECT_EQ(list->currentRow(), 5);  // opening the mirror window keeps the pick
}

TEST(WindowLayout, OutsideAreaLetsTheBarsReach256AndUncheckingPullsBack) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    MainWindow* window = w.Window.get();
    auto* h = Find<QScrollBar>(window, "hscLevelPos");
    Find<QAction>(window, "mnuViewOutofbounds")->trigger();
    EXPECT_EQ(Find<QScrollBar>(window, "vscLevelPos")->maximum(), 256);
    h->setValue(250);
    Find<QAction>(window, "mnuViewOutofbounds")->trigger();
    EXPECT_EQ(h->maximum(), 231);
    EXPECT_EQ(window->State().View.H.Value, 231);
}

TEST(WindowZoom, MenuEntriesSetZoomFontRangeAndOneTick) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    MainWindow* window = w.Window.get();
    auto* h = Find<QScrollBar>(window, "hscLevelPos");
    const QList<QAction*> zooms = window->findChildren<QAction*>("mnuViewZoom");
    ASSERT_EQ(zooms.size(), 7);
    for (auto [zoom, fontSize, caption] :
         {std::tuple{8, 2, "8x"}, {64, 30, "64x"}, {16, 6, "16x (Default)"}}) {
        QAction* entry = FindIndexed<QAction>(window, "mnuViewZoom", zoom);
        EXPECT_EQ(entry->text(), caption);
        entry->trigger();
        EXPECT_EQ(window->Surface()->FontSize(), fontSize);
        EXPECT_EQ(h->maximum(), 256 - 413 / zoom);
        for (QAction* a : zooms) EXPECT_EQ(a->isChecked(), a->property("index").toInt() == zoom) << zoom;
    }
}

}  // namespace
