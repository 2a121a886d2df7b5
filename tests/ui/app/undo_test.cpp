// The Edit menu: undo and redo of level edits made through the window, their
// captions and states, the keys from a text box, and the history's bounds.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include "surface/levelsurface.h"
#include "uitestsupport.h"

using namespace tarnloft;

using namespace uitest;

namespace {

QAction* Undo(MainWindow* window) { return Find<QAction>(window, "mnuEditUndo"); }
QAction* Redo(MainWindow* window) { return Find<QAction>(window, "mnuEditRedo"); }

// Caption and enabled state of both items, e.g. "&Undo Move+ &Redo-".
std::string Items(MainWindow* window) {
    auto item = [](QAction* a) { return a->text().toStdString() + (a->isEnabled() ? "+" : "-"); };
    return item(Undo(window)) + " " + item(Redo(window));
}

void Drag(LevelSurface* surface, QPoint from, QPoint to) {
    QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(surface, (from + to) / 2);
    QTest::mouseMove(surface, to);
    QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, to);
}

// Entry 0 spans (32,48)-(96,64) at 16x; entry 1 is selected.
void UseLevel(MainWindow& window, std::vector<ScreenExit> exits = {}) {
    EditorState state = window.State();
    state.Level.LevelObjects = {{1, 0, 2, 3, 4, 1}, {1, 0, 10, 10, 2, 2}};
    state.Level.ScreenExits = std::move(exits);
    state.Level.SelectedObject = 1;
    state.View.H.Value = state.View.V.Value = 0;
    window.Session().Apply(&Editor::Reset, state);
}

}  // namespace

TEST(EditMenu, CaptionsShortcutsAndStatesFollowTheHistory) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    MainWindow* window = w.Window.get();
    EXPECT_EQ(Find<QMenu>(window, "mnuEdit")->title(), "&Edit");
    EXPECT_EQ(Find<QMenu>(window, "mnuEdit")->actions(), (QList<QAction*>{Undo(window), Redo(window)}));
    EXPECT_EQ(Undo(window)->shortcuts(), QList<QKeySequence>{QKeySequence("Ctrl+Z")});
    EXPECT_EQ(Redo(window)->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
    EXPECT_EQ(Items(window), "&Undo- &Redo-");

    UseLevel(*window);
    const EditorState& state = window->State();
    Drag(window->Surface(), QPoint(40, 52), QPoint(40, 52));  // a click that only selects
    EXPECT_EQ(state.Level.SelectedObject, 0);
    EXPECT_EQ(Items(window), "&Undo- &Redo-");
    Drag(window->Surface(), QPoint(170, 170), QPoint(170, 170));
    const LevelModel before = state.Level;
    const QString info = Find<QLabel>(window, "lblObjectInfo")->text();
    Drag(window->Surface(), QPoint(40, 52), QPoint(72, 68));
    EXPECT_EQ(std::tuple(state.Level.LevelObjects[0].X, state.Level.LevelObjects[0].Y), std::tuple(4, 4));
    EXPECT_EQ(Items(window), "&Undo Move+ &Redo-");
    const LevelModel moved = state.Level;

    Undo(window)->trigger();
    EXPECT_EQ(state.Level.LevelObjects, before.LevelObjects);
    EXPECT_EQ(state.Level.SelectedObject, 1);  // as before the press
    EXPECT_EQ(Find<QLabel>(window, "lblObjectInfo")->text(), info);
    EXPECT_EQ(Items(window), "&Undo- &Redo Move+");
    Redo(window)->trigger();
    EXPECT_EQ(state.Level.LevelObjects, moved.LevelObjects);
    EXPECT_EQ(state.Level.SelectedObject, 0);

    // A new level starts a new history.
    ASSERT_TRUE(window->LoadLevelIndex(0));
    EXPECT_EQ(Items(window), "&Undo- &Redo-");
}

TEST(EditMenu, KeysReachTheHistoryFromATextBox) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    MainWindow* window = w.Window.get();
    ASSERT_TRUE(w.Active);
    UseLevel(*window);
    const EditorState& state = window->State();
    const auto entries = state.Level.LevelObjects;
    QTest::mouseClick(Find<QPushButton>(window, "cmdRemoveObject"), Qt::LeftButton);
    ASSERT_EQ(state.Level.LevelObjects.size(), 1u);

    auto* filter = Find<QLineEdit>(window, "txtFilter");
    filter->setFocus();
    QTest::keyClicks(filter, "ab");
    QTest::keyClick(filter, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(state.Level.LevelObjects, entries);
    EXPECT_EQ(filter->text(), "ab") << "the box keeps its text";
    QTest::keyClick(filter, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(state.Level.LevelObjects.size(), 1u);
    QTest::keyClick(filter, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(filter, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(state.Level.LevelObjects.size(), 1u);
    EXPECT_EQ(Items(window), "&Undo Remove+ &Redo-");
}

TEST(EditMenu, TypingIntoAnExitBoxIsOneStep) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    MainWindow* window = w.Window.get();
    UseLevel(*window, {ScreenExit{1, 0, 0x2C, 3, 4, 5}});
    Find<QAction>(window, "mnuViewScreenExit")->trigger();
    auto* x = Find<QLineEdit>(window, "txtEntranceX");
    ASSERT_EQ(x->text(), "3");
    x->setFocus();
    x->selectAll();
    QTest::keyClicks(x, "1F");
    const EditorState& state = window->State();
    EXPECT_EQ(state.Level.ScreenExits[0].EntranceX, 0x1F);
    EXPECT_EQ(window->Session().History().count(), 1);
    EXPECT_EQ(Items(window), "&Undo Edit Exit+ &Redo-");
    QTest::keyClick(x, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(state.Level.ScreenExits[0].EntranceX, 3);
    EXPECT_EQ(x->text(), "3");
}

TEST(EditMenu, TheHistoryKeepsTheLatestThousandSteps) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    MainWindow* window = w.Window.get();
    EditorSession& session = window->Session();
    auto header = [](int i) {
        return HeaderBytesArray{uint8_t(i & 0xFF), uint8_t(i >> 8), 0, 0, 0, 0, 0, 0, 0, 1};
    };
    for (int i = 0; i <= HistoryLimit; ++i) session.Apply(&Editor::SetHeader, header(i));
    EXPECT_EQ(session.History().count(), HistoryLimit);
    while (session.History().canUndo()) session.History().undo();
    EXPECT_EQ(window->State().Level.HeaderBytes, header(0));
}
