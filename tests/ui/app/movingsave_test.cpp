// "Save Level, Moving It If Needed" through the window: the question, the
// move, and undo that restores content but never the level's new home.
#include "uitestsupport.h"

using namespace uitest;

using MovingSaveWindow = WindowTest;

TEST_F(MovingSaveWindow, AGrownLevelMovesOnYesAndUndoKeepsItsNewHome) {
    QAction* moving = Find<QAction>("mnuFileSaveMoving");
    ASSERT_TRUE(moving);
    EXPECT_EQ(moving->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    ASSERT_TRUE(window->LoadLevelIndex(1));  // no object room to spare
    EditorSession& session = window->Session();
    const LevelModel loaded = State().Level;
    session.Apply(&Editor::Press, MouseButton::Middle, 40.0, 40.0);  // a copy of entry 0
    session.Apply(&Editor::Release);

    const testimage::Image before = Image.Bytes();
    Prompts.YesNoAnswers = {false};
    moving->trigger();
    EXPECT_EQ(Prompts.Last().Title, "Tarnloft - Move level data");
    EXPECT_EQ(Image.Bytes(), before);

    moving->trigger();
    EXPECT_EQ(Prompts.Last().Text, "Level saved succesfully.");
    const int64_t home = State().Level.ObjectDataPos;
    EXPECT_GE(home - 1, 0x1F0200);
    session.Undo();
    EXPECT_EQ(State().Level.LevelObjects, loaded.LevelObjects);
    EXPECT_EQ(State().Level.ObjectDataPos, home);
    Trigger("mnuFileSave");
    EXPECT_EQ(Prompts.Last().Text, "Level saved succesfully.");
    ASSERT_TRUE(window->LoadLevelIndex(1));
    EXPECT_EQ(State().Level.LevelObjects, loaded.LevelObjects);
    EXPECT_EQ(State().Level.ObjectDataPos, home);
}
