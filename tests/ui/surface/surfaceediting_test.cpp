// The surface in the window: mouse drags and resizes, the position label,
// the keys, and the popup of overlapping entries.
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>

#include "surface/levelsurface.h"
#include "uitestsupport.h"

using namespace uitest;

namespace {

// Replaces the level on screen by the given entries, scrolled to the origin.
void UseLevel(MainWindow& window, std::vector<LevelObject> entries) {
    EditorState state = window.State();
    state.Level.LevelObjects = std::move(entries);
    state.Level.SelectedObject = state.View.H.Value = state.View.V.Value = 0;
    window.Session().Apply(&Editor::Reset, state);
}

TEST(SurfaceEditing, PressPicksTheModeAndDragsMoveAndResize) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    MainWindow* window = w.Window.get();
    const EditorState& state = window->State();
    const auto& entries = state.Level.LevelObjects;
    // At 16x entry 0 spans (32,48)-(96,64); entry 1's width handle is at x 192, rows 160..192.
    UseLevel(*window, {{1, 0, 2, 3, 4, 1}, {1, 0, 10, 10, 2, 2}});
    LevelSurface* surface = window->Surface();
    for (auto [from, to, mode] : {std::tuple{QPoint(40, 52), QPoint(72, 68), PointerMode::MOV},
                                  {QPoint(193, 170), QPoint(225, 170), PointerMode::RSX}}) {
        QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, from);
        EXPECT_EQ(state.Tool.Mode, mode);
        QTest::mouseMove(surface, to);
        QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, to);
    }
    EXPECT_EQ(QList<int>({entries[0].X, entries[0].Y, entries[1].Width}), QList<int>({4, 4, 4}));
}

TEST(SurfaceEditing, PositionLabelAndKeys) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    MainWindow* window = w.Window.get();
    const auto& entries = window->State().Level.LevelObjects;
    UseLevel(*window, {{1, 0, 2, 3, 4, 1}, {1, 0, 10, 10, 2, 2}});
    LevelSurface* surface = window->Surface();
    QTest::mouseClick(surface, Qt::LeftButton, Qt::NoModifier,
                      QPoint(300, 300));  // the surface takes the focus
    QTest::mouseMove(surface, QPoint(170, 170));
    EXPECT_EQ(Find<QLabel>(window, "lblMousePos")->text(), "(A,A)");
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Delete})
        QTest::keyClick(surface, key);
    EXPECT_EQ(Find<QScrollBar>(window, "vscLevelPos")->value(), 2);
    EXPECT_EQ(entries.size(), 1u);
}

TEST(SurfaceEditing, PopupChoiceComesToTheFrontAndALoadTakesThePopupAway) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    MainWindow* window = w.Window.get();
    const auto& entries = window->State().Level.LevelObjects;
    LevelSurface* surface = window->Surface();
    // A right click lists the overlapping entries; the choice comes to the front.
    UseLevel(*window, {{1, 0, 2, 2, 6, 6}, {1, 0, 3, 3, 2, 2}, {1, 0, 20, 20}});
    auto* popup = Find<QListWidget>(window, "lstPopup");
    QTest::mouseClick(surface, Qt::RightButton, Qt::NoModifier, QPoint(60, 60));
    ASSERT_EQ(popup->count(), 2);
    EXPECT_EQ(popup->pos(), QPoint(44, 44));
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, Qt::NoModifier,
                      popup->visualItemRect(popup->item(1)).center());
    EXPECT_EQ(entries[1].X, 2);  // the large one now lies on top
    QTest::mouseClick(surface, Qt::RightButton, Qt::NoModifier, QPoint(60, 60));
    ASSERT_TRUE(window->LoadLevelIndex(0));  // a new level takes the popup away
    EXPECT_EQ(popup->y(), HiddenPopupTop);
}

}  // namespace
