// The drawing surface: keys reach the editor only while it holds the focus,
// its picture carries the foreground from one repaint to the next, and the
// hover label never names what is no longer under the pointer.
#include <QLabel>
#include <QListWidget>
#include <functional>

#include "surface/levelsurface.h"
#include "uitestsupport.h"
#include "view/viewport.h"

using namespace uitest;

using SurfaceKeys = WindowTest;
using SurfacePicture = WindowTest;
using HoverLabel = WindowTest;

// Entry 0 hovered and clicked, then a change under the still pointer: the
// label names what lies there now, and hides when nothing does.
TEST_F(HoverLabel, FollowsWhatLiesUnderAStillPointer) {
    QLabel* label = window->Surface()->ToolTipLabel();
    EditorSession& session = window->Session();
    LevelModel elsewhere;
    elsewhere.LevelObjects = {{1, 0, 20, 20, 1, 1}};
    const struct {
        const char* Name;
        std::function<void()> Change;
        bool Shown;
    } rows[] = {
        {"the entry is removed", [&] { session.Apply(&Editor::Remove); }, false},
        {"the removal is undone", [&] { session.Apply(&Editor::Remove), session.Undo(); }, true},
        {"the view scrolls away", [&] { session.Apply(&Editor::Arrow, ArrowDirection::Down); }, false},
        {"another level comes", [&] { session.Apply(&Editor::AdoptLevel, elsewhere); }, false},
    };
    for (const auto& row : rows) {
        UseLevel({{1, 0, 2, 3, 4, 1}, {1, 0, 10, 10, 2, 2}});
        emit window->Surface()->Moved(MouseButton::None, 40, 52);
        session.Apply(&Editor::Press, MouseButton::Left, 40.0, 52.0);
        session.Apply(&Editor::Release);
        const QString hovered = label->text();
        ASSERT_TRUE(hovered.startsWith("1 - ") && label->y() == 20) << row.Name;
        row.Change();
        EXPECT_EQ(label->y() == 20, row.Shown) << row.Name;
        EXPECT_EQ(label->text(), row.Shown ? hovered : QString()) << row.Name;
    }
}

TEST_F(SurfaceKeys, KeysThePopupListIgnoresDoNotReachTheEditor) {
    ASSERT_TRUE(Active);
    const EditorState& state = State();
    LevelSurface* surface = window->Surface();
    Trigger("mnuViewOutofbounds");  // room to scroll both ways
    UseLevel({{1, 0, 2, 3, 4, 1}, {1, 0, 10, 10, 2, 2}});
    window->Session().Apply(&Editor::ScrollTo, true, 5);
    QListWidget* popup = surface->PopupList();
    popup->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(popup->hasFocus());
    for (Qt::Key key : {Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down})
        QTest::keyClick(popup, key);
    EXPECT_EQ(std::tuple(state.Level.LevelObjects.size(), state.View.H.Value, state.View.V.Value),
              std::tuple(size_t(2), 5, 0));
    // The same keys on the surface itself do reach the editor.
    surface->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(surface, Qt::Key_Delete);
    QTest::keyClick(surface, Qt::Key_Right);
    EXPECT_EQ(std::tuple(state.Level.LevelObjects.size(), state.View.H.Value), std::tuple(size_t(1), 6));
}

TEST_F(SurfacePicture, TheScreenGridTakesTheColourThePreviousPassLeft) {
    LevelSurface* surface = window->Surface();
    QPalette palette = surface->palette();
    const QColor buttonText(0, 0, 200);
    palette.setColor(QPalette::ButtonText, buttonText);
    surface->setPalette(palette);
    // Nothing in view: the small grid's pass ends on the button-text colour.
    UseLevel({LevelObject{0x5A, 0, 250, 120, 1, 1, false}});
    Trigger("mnuViewSmallgrid");
    Trigger("mnuViewSmallgrid");
    // The screen boundary at tile column 16, away from every item.
    EXPECT_EQ(surface->Picture().pixelColor(256, 100), buttonText);
}
