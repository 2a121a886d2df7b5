// "Save Level, Moving It If Needed" through the window: the question, the
// move, and undo that restores content but never the level's new home.
#include <gtest/gtest.h>

#include <QUndoStack>

#include "uitestsupport.h"

using namespace uitest;

TEST(MovingSaveWindow, AGrownLevelMovesOnYesAndUndoKeepsItsNewHome) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    QAction* moving = Find<QAction>(w.Window.get(), "mnuFileSaveMoving");
    ASSERT_TRUE(moving);
    EXPECT_EQ(moving->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    ASSERT_TRUE(w.Window->LoadLevelIndex(1));  // no object room to spare
    EditorSession& session = w.Window->Session();
    const LevelModel loaded = w.Window->State().Level;
    session.Apply(&Editor::Press, MouseButton::Middle, 40.0, 40.0);  // a copy of entry 0
    session.Apply(&Editor::Release);

    const QByteArray before = w.Image.Bytes();
    w.Prompts.YesNoAnswers = {false};
    moving->trigger();
    EXPECT_EQ(w.Prompts.Last().Title, "Tarnloft - Move level data");
    EXPECT_EQ(w.Image.Bytes(), before);

    moving->trigger();
    EXPECT_EQ(w.Prompts.Last().Text, "Level saved succesfully.");
    const int64_t home = w.Window->State().Level.ObjectDataPos;
    EXPECT_GE(home - 1, 0x1F0200);
    session.History().undo();
    EXPECT_EQ(w.Window->State().Level.LevelObjects, loaded.LevelObjects);
    EXPECT_EQ(w.Window->State().Level.ObjectDataPos, home);
    Find<QAction>(w.Window.get(), "mnuFileSave")->trigger();
    EXPECT_EQ(w.Prompts.Last().Text, "Level saved succesfully.");
    ASSERT_TRUE(w.Window->LoadLevelIndex(1));
    EXPECT_EQ(w.Window->State().Level.LevelObjects, loaded.LevelObjects);
    EXPECT_EQ(w.Window->State().Level.ObjectDataPos, home);
}
