// The Edit menu: undo and redo of level edits made through the window, their
// captions and states, undo while a button is held, and the history's bounds.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "surface/levelsurface.h"
#include "uitestsupport.h"

using namespace uitest;

namespace {

class EditMenu : public WindowTest {
protected:
    // Caption and enabled state of both items, e.g. "&Undo Move+ &Redo-".
    std::string Items() {
        auto item = [](QAction* a) { return a->text().toStdString() + (a->isEnabled() ? "+" : "-"); };
        return item(Find<QAction>("mnuEditUndo")) + " " + item(Find<QAction>("mnuEditRedo"));
    }
    void Drag(QPoint from, QPoint to) {
        LevelSurface* surface = window->Surface();
        QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(surface, (from + to) / 2);
        QTest::mouseMove(surface, to);
        QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, to);
    }
    // Entry 0 spans (32,48)-(96,64) at 16x; entry 1 is selected.
    void UseTwoEntries(std::vector<ScreenExit> exits = {}) {
        UseLevel({{1, 0, 2, 3, 4, 1}, {1, 0, 10, 10, 2, 2}}, std::move(exits));
    }
};

TEST_F(EditMenu, CaptionsShortcutsAndStatesFollowTheHistory) {
    EXPECT_EQ(Items(), "&Undo- &Redo-");
    UseTwoEntries();
    const LevelModel before = State().Level;
    const QString info = Find<QLabel>("lblObjectInfo")->text();
    Drag(QPoint(40, 52), QPoint(72, 68));
    EXPECT_EQ(std::tuple(State().Level.LevelObjects[0].X, State().Level.LevelObjects[0].Y), std::tuple(4, 4));
    EXPECT_EQ(Items(), "&Undo Move+ &Redo-");
    const LevelModel moved = State().Level;

    Trigger("mnuEditUndo");
    EXPECT_EQ(State().Level.LevelObjects, before.LevelObjects);
    EXPECT_EQ(State().Level.SelectedObject, 1);  // as before the press
    EXPECT_EQ(Find<QLabel>("lblObjectInfo")->text(), info);
    EXPECT_EQ(Items(), "&Undo- &Redo Move+");
    Trigger("mnuEditRedo");
    EXPECT_EQ(State().Level.LevelObjects, moved.LevelObjects);

    // A new level starts a new history.
    ASSERT_TRUE(window->LoadLevelIndex(0));
    EXPECT_EQ(Items(), "&Undo- &Redo-");
}

// Ctrl+Z with the button still held drops the live drag only; Ctrl+Y then does nothing.
TEST_F(EditMenu, UndoWhileTheButtonIsHeldDropsTheDragOnly) {
    UseTwoEntries();
    Drag(QPoint(170, 170), QPoint(202, 170));  // entry 1 two columns right: one step
    const std::vector<LevelObject> afterFirst = State().Level.LevelObjects;
    LevelSurface* surface = window->Surface();
    QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, QPoint(40, 52));
    QTest::mouseMove(surface, QPoint(88, 84));
    ASSERT_NE(State().Level.LevelObjects, afterFirst);
    QTest::keyClick(surface, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(State().Level.LevelObjects, afterFirst) << "the item is back where the press found it";
    QTest::keyClick(surface, Qt::Key_Y, Qt::ControlModifier);
    QTest::mouseMove(surface, QPoint(120, 100));
    QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, QPoint(120, 100));
    EXPECT_EQ(State().Level.LevelObjects, afterFirst) << "the rest of the drag moves nothing";
    EXPECT_EQ(window->Session().History().Count(), 1u);
    EXPECT_EQ(Items(), "&Undo Move+ &Redo-");
}

TEST_F(EditMenu, TypingIntoAnExitBoxIsOneStep) {
    UseTwoEntries({ScreenExit{1, 0, 0x2C, 3, 4, 5}});
    Trigger("mnuViewScreenExit");
    auto* x = Find<QLineEdit>("txtEntranceX");
    ASSERT_EQ(x->text(), "3");
    x->setFocus();
    x->selectAll();
    QTest::keyClicks(x, "1F7");  // a third character stores nothing
    EXPECT_EQ(State().Level.ScreenExits[0].EntranceX, 0x1F);
    EXPECT_EQ(window->Session().History().Count(), 1u);
    EXPECT_EQ(Items(), "&Undo Edit Exit+ &Redo-");
    QTest::keyClick(x, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(State().Level.ScreenExits[0].EntranceX, 3);
    EXPECT_EQ(x->text(), "3");
}

// A list's highlight follows its box: what the box shows, or nothing.
TEST_F(EditMenu, AnExitListFollowsItsBoxThroughUndo) {
    UseTwoEntries({ScreenExit{1, 0, 0x2C, 3, 4, 5}});
    Trigger("mnuViewScreenExit");
    auto* list = Find<QListWidget>("lstDestinationLevels");
    auto highlighted = [list] {
        return list->currentRow() < 0 ? -1 : list->currentItem()->data(Qt::UserRole).toInt();
    };
    EXPECT_EQ(highlighted(), 0x2C);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(3)).center());
    EXPECT_EQ(State().Level.ScreenExits[0].Destination, 3);
    Trigger("mnuEditUndo");
    EXPECT_EQ(Find<QLineEdit>("txtExitDestination")->text(), "2C");
    EXPECT_EQ(highlighted(), 0x2C);
    QTest::keyClicks(Find<QLineEdit>("txtExitDestination"), "1");  // "2C1": no value
    EXPECT_EQ(highlighted(), -1);
}

}  // namespace
