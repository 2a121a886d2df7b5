// The Screen Exit Editor in the window, and the menu shortcuts that reach
// the menu from a text box.
#include <QLineEdit>
#include <QPushButton>

#include "uitestsupport.h"

using namespace uitest;

namespace {

TEST(MenuShortcuts, CtrlCAndCtrlEReachTheMenuFromATextBox) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    MainWindow* window = w.Window.get();
    auto* filter = Find<QLineEdit>(window, "txtFilter");
    filter->setFocus();
    ASSERT_TRUE(w.Active);
    QTest::keyClick(filter, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(Find<QAction>(window, "mnuViewCross")->isChecked());
    QTest::keyClick(filter, Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(Find<QAction>(window, "mnuViewScreenExit")->isChecked());
    QTest::keyClick(filter, Qt::Key_E, Qt::ControlModifier);
    EXPECT_FALSE(Find<QAction>(window, "mnuViewScreenExit")->isChecked());
}

TEST(ScreenExitPanel, ShowsTheExitStoresWhatFitsAndMovesIt) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    MainWindow* window = w.Window.get();
    const EditorState& state = window->State();
    EditorState withExit = state;
    withExit.Level.ScreenExits = {ScreenExit{1, 0, 0x2C, 3, 4, 5}};
    window->Session().Apply(&Editor::Reset, withExit);
    auto* editor = Find<QWidget>(window, "fraScreenExits");
    auto* filter = Find<QLineEdit>(window, "txtFilter");
    filter->setFocus();
    ASSERT_TRUE(w.Active);
    QTest::keyClick(filter, Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(editor->isVisible() && editor->isEnabled());
    EXPECT_EQ(Find<QLineEdit>(window, "txtExitDestination")->text(), "2C");
    auto* x = Find<QLineEdit>(window, "txtEntranceX");  // stores only a value that fits
    x->clear();
    QTest::keyClicks(x, "1F7");
    EXPECT_EQ(state.Level.ScreenExits[0].EntranceX, 0x1F);
    QTest::mouseClick(FindIndexed<QPushButton>(window, "cmdMoveScreen", 3), Qt::LeftButton);
    EXPECT_EQ(state.Level.ScreenExits[0].ScreenY, 1);
    QTest::keyClick(filter, Qt::Key_E, Qt::ControlModifier);
    EXPECT_FALSE(editor->isVisible());
}

}  // namespace
