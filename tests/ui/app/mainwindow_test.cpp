// The main window's start-up, its zoom menu and the menu shortcuts that
// reach the menu from a text box.
#include <QLineEdit>
#include <QPushButton>

#include "uitestsupport.h"

using namespace uitest;

TEST(MainWindowStartup, ACancelledDialogOrMissingDefinitionFilesEndTheProgram) {
    QTemporaryDir empty;
    const struct {
        const char* Name;
        std::string Folder;
        std::vector<std::string> Titles;
        int Dialogs;
    } cases[] = {
        {"the file dialog answers Cancel", DataFolder(), {"Tarnloft - RTFM", "Tarnloft - User Error"}, 1},
        {"no definition files: before the warning",
         empty.path().toStdString(),
         {"Tarnloft - This is bad"},
         0},
    };
    for (const auto& c : cases) {
        RecordingPrompts prompts;
        MainWindow window(prompts, c.Folder);
        EXPECT_FALSE(window.Startup()) << c.Name;
        std::vector<std::string> titles;
        for (const Message& m : prompts.Shown) titles.push_back(m.Title);
        EXPECT_EQ(titles, c.Titles) << c.Name;
        EXPECT_EQ(std::pair(prompts.EndCalls, prompts.ChooseCalls), std::pair(1, c.Dialogs)) << c.Name;
    }
}

TEST(MainWindowStartup, TheZoomMenuStartsAtItsDefault) {
    RecordingPrompts prompts;
    MainWindow window(prompts, DataFolder());
    QStringList captions;
    for (int zoom : ZoomFactors) {
        auto* entry = FindIndexed<QAction>(&window, "mnuViewZoom", zoom);
        captions << entry->text() + (entry->isChecked() ? "*" : "");
    }
    EXPECT_EQ(captions.join(','), "4x,8x,12x,16x (Default)*,24x,32x,64x");
}

using MenuShortcuts = WindowTest;

// Text boxes claim some of these keys for themselves; the menu takes them first.
TEST_F(MenuShortcuts, ReachTheMenuFromATextBox) {
    ASSERT_TRUE(Active);
    UseLevel({{1, 0, 2, 3, 4, 1}, {1, 0, 10, 10, 2, 2}});
    QTest::mouseClick(Find<QPushButton>("cmdRemoveObject"), Qt::LeftButton);
    auto* filter = Find<QLineEdit>("txtFilter");
    filter->setFocus();
    QTest::keyClicks(filter, "ab");
    const struct {
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        const char* Then;  // the ticks of the two modes and the number of entries
    } rows[] = {{Qt::Key_C, Qt::ControlModifier, "cross 1"},
                {Qt::Key_E, Qt::ControlModifier, "cross exits 1"},
                {Qt::Key_E, Qt::ControlModifier, "cross 1"},
                {Qt::Key_Z, Qt::ControlModifier, "cross 2"},
                {Qt::Key_Y, Qt::ControlModifier, "cross 1"},
                {Qt::Key_Z, Qt::ControlModifier, "cross 2"},
                {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "cross 1"}};
    for (const auto& row : rows) {
        QTest::keyClick(filter, row.Key, row.Modifiers);
        const std::string seen = std::string(Find<QAction>("mnuViewCross")->isChecked() ? "cross " : "") +
                                 (Find<QAction>("mnuViewScreenExit")->isChecked() ? "exits " : "") +
                                 std::to_string(State().Level.LevelObjects.size());
        EXPECT_EQ(seen, row.Then) << QKeySequence(row.Key | row.Modifiers).toString().toStdString();
    }
    EXPECT_EQ(filter->text(), "ab") << "the box keeps its text";
}
