// The main window's menu tree, its control inventory, start-up, opening
// another image, saving and the small menu extras.
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>

#include "uitestsupport.h"

using namespace uitest;

namespace {

struct MenuItemRow {
    const char* Name;
    const char* Caption;
    const char* Shortcut;
    bool Checkable;
};

const MenuItemRow MenuItems[] = {
    {"mnuFileOpen", "&Open ROM...", "Ctrl+O", false},
    {"mnuMainQuit", "&Exit", "Ctrl+Q", false},
    {"mnuFileLevelIndex", "&Load Level by Index...", "Ctrl+L", false},
    {"mnuFileLevel", "(Do NOT use this) Load Level by Of&fset...", "", false},
    {"mnuFileSave", "&Save Level", "Ctrl+S", false},
    {"mnuLevelHeader", "Edit header...", "Ctrl+H", false},
    {"mnuRandomLevelClear", "Yes, I'm sure", "", false},
    {"mnuViewCross", "Cross-section mode", "Ctrl+C", true},
    {"mnuViewScreenExit", "Screen Exit mode", "Ctrl+E", true},
    {"mnuViewOutofbounds", "Show area outside of level", "", true},
    {"mnuViewSeperateobjects", "Object list window", "", true},
    {"mnuViewSmallgrid", "Small grid", "Ctrl+G", true},
    {"mnuViewTransparent", "Transparent WireBlocks", "Ctrl+W", true},
    {"mnuViewStationary", "Stationary tooltip", "Ctrl+T", true},
    {"mnuRandomHex", "&Hex editor...", "", false},
    {"mnuRandomBadger", "Fetch Me A &Badger", "", false},
    {"mnuHelpAbout", "&About...", "", false},
};

}  // namespace

TEST(MainWindowMenus, EveryItemHasItsCaptionShortcutAndInitialMark) {
    RecordingPrompts prompts;
    MainWindow window(prompts, DataFolder());
    for (const MenuItemRow& row : MenuItems) {
        SCOPED_TRACE(row.Name);
        auto* action = Find<QAction>(&window, row.Name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text().toStdString(), row.Caption);
        EXPECT_EQ(action->shortcut().toString().toStdString(), row.Shortcut);
        EXPECT_EQ(action->isCheckable(), row.Checkable);
        EXPECT_FALSE(action->isChecked());
    }
    for (const char* separator :
         {"mnuFileDash2", "mnuDash", "mnuDash2", "mnuDash1", "mnuViewLine1", "mnuRandomDash1"}) {
        auto* action = Find<QAction>(&window, separator);
        ASSERT_NE(action, nullptr) << separator;
        EXPECT_TRUE(action->isSeparator()) << separator;
    }
}

TEST(MainWindowMenus, OneTopMenuHoldsTheTree) {
    RecordingPrompts prompts;
    MainWindow window(prompts, DataFolder());
    const QList<QAction*> top = window.menuBar()->actions();
    ASSERT_EQ(top.size(), 1);
    EXPECT_EQ(top.front()->text(), QStringLiteral("Tarnloft"));
    QMenu* main = top.front()->menu();
    EXPECT_EQ(main->objectName(), QStringLiteral("mnuMain"));
    QStringList submenus;
    for (QAction* a : main->actions()) submenus << a->menu()->objectName() + ' ' + a->text();
    EXPECT_EQ(submenus.join(','), QStringLiteral("mnuFile &File,mnuLevel &Level,mnuView &View,mnuRandom "
                                                 "&Random,mnuHelp &Help"));
    // The confirmation levels of "Clear" carry no action of their own.
    auto* confirm = Find<QMenu>(&window, "cmdLevelClearsuretwo");
    EXPECT_EQ(confirm->title(), QStringLiteral("Are you sure you want to remove all objects and sprites?"));
    EXPECT_EQ(Find<QMenu>(&window, "mnuRandomLevelClearcheck")->actions(),
              QList<QAction*>{confirm->menuAction()});
    ASSERT_EQ(confirm->actions().size(), 1);
    EXPECT_EQ(confirm->actions().front()->objectName(), QStringLiteral("mnuRandomLevelClear"));
}

TEST(MainWindowControls, CaptionsNamesAndTheSurfaceChildren) {
    RecordingPrompts prompts;
    MainWindow window(prompts, DataFolder());
    const std::pair<const char*, const char*> buttons[] = {
        {"cmdObjectPrev", "&<"},     {"cmdObjectNext", "&>"},        {"cmdGotoObject", "&Goto"},
        {"cmdAddObject", "&Create"}, {"cmdRemoveObject", "&Remove"}, {"cmdScreenPrev", "<"},
        {"cmdScreenGoto", "Goto"},   {"cmdScreenNext", ">"}};
    for (const auto& [name, caption] : buttons) EXPECT_EQ(Find<QPushButton>(&window, name)->text(), caption);
    const std::pair<const char*, const char*> frames[] = {{"fraLevelInfo", "Level Info"},
                                                          {"fraObjectInfo", "Current Object Info"},
                                                          {"fraSubPanel", "Object"},
                                                          {"fraListOptions", "Object list options"},
                                                          {"fraScreenExits", "Screen Exit Editor"}};
    for (const auto& [name, caption] : frames) EXPECT_EQ(Find<QGroupBox>(&window, name)->title(), caption);
    const char* listable[] = {"Norm", "X", "Sprite"};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(FindIndexed<QCheckBox>(&window, "chkListable", i)->text(), listable[i]);
    for (int i = 0; i < 4; ++i)
        EXPECT_NE(FindIndexed<QPushButton>(&window, "cmdMoveScreen", i), nullptr) << i;

    auto* tip = Find<QLabel>(&window, "lblToolTip");
    EXPECT_EQ(tip->palette().color(QPalette::Window), QColor(255, 224, 192));
    EXPECT_EQ(tip->parentWidget()->objectName(), QStringLiteral("Level"));
    EXPECT_EQ(Find<QWidget>(&window, "lstPopup")->parentWidget()->objectName(), QStringLiteral("Level"));
}

TEST(MainWindowStartup, CancellingTheFileDialogEndsWithTheUserErrorMessage) {
    RecordingPrompts prompts;
    MainWindow window(prompts, DataFolder());
    EXPECT_FALSE(window.Startup());
    ASSERT_EQ(prompts.Shown.size(), 2u);
    EXPECT_EQ(prompts.Shown[0].Title, "Tarnloft - RTFM");
    EXPECT_EQ(prompts.Shown[0].Text,
              "Tarnloft only supports version 1.0 (U) of Pebblecrest!\r\n"
              "Please select a ROM of this version; others will not work.");
    EXPECT_EQ(prompts.Shown[1].Title, "Tarnloft - User Error");
    EXPECT_EQ(prompts.Shown[1].Text, "A valid ROM must be selected to run Tarnloft.");
    EXPECT_EQ(prompts.EndCalls, 1);
}

TEST(MainWindowStartup, MissingDefinitionFilesEndBeforeTheWarning) {
    QTemporaryDir empty;
    RecordingPrompts prompts;
    MainWindow window(prompts, empty.path().toStdString());
    EXPECT_FALSE(window.Startup());
    ASSERT_EQ(prompts.Shown.size(), 1u);
    EXPECT_EQ(prompts.Shown[0].Title, "Tarnloft - This is bad");
    EXPECT_NE(prompts.Shown[0].Text.find("O5Data.dat"), std::string::npos);
    EXPECT_EQ(prompts.EndCalls, 1);
    EXPECT_EQ(prompts.ChooseCalls, 0);
}

TEST(MainWindowStartup, DemoImageShowsLevelZero) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    EXPECT_EQ(w.Window->windowTitle(), QStringLiteral("Level 0 demo.smc - Tarnloft"));
    ASSERT_EQ(w.Prompts.Shown.size(), 1u);  // the version warning only
    EXPECT_EQ(w.Prompts.EndCalls, 0);
    EXPECT_TRUE(w.Window->Rom().IsOpen());
    EXPECT_GE(w.Window->State().Level.LastObjectIndex(), 0);
    EXPECT_EQ(w.Window->State().View.Zoom, 16);
    EXPECT_EQ(w.Window->SurfaceFontSize(), 6);
    // The side panels were filled by the first repaint.
    EXPECT_FALSE(Find<QLabel>(w.Window.get(), "lblObjectInfo")->text().isEmpty());
    EXPECT_TRUE(Find<QLabel>(w.Window.get(), "lblByteUsage")->text().contains('/'));
}

TEST(MainWindowStartup, UnusableFilesAreReportedAndTheDialogComesBack) {
    DemoImage image;
    if (!image.Ok()) GTEST_SKIP() << "no demo generator";
    // Too short to hold the level table.
    const QString tiny = image.Folder() + QStringLiteral("/tiny.smc");
    {
        QFile file(tiny);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(1024, '\0'));
    }
    RecordingPrompts prompts;
    prompts.FileAnswers = {image.Folder().toStdString() + "/missing.smc", tiny.toStdString(), image.Path()};
    MainWindow window(prompts, DataFolder());
    ASSERT_TRUE(window.Startup());
    EXPECT_EQ(prompts.ChooseCalls, 3);
    EXPECT_EQ(prompts.EndCalls, 0);
    ASSERT_GE(prompts.Shown.size(), 3u);
    EXPECT_NE(prompts.Shown[1].Text.find("missing.smc"), std::string::npos);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Level 0 demo.smc - Tarnloft"));
    EXPECT_EQ(window.Rom().Path(), image.Path());
}

TEST(MainWindowOpen, CancelAndFailuresKeepTheImageAndLevelOnScreen) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    MainWindow& window = *w.Window;
    ASSERT_TRUE(window.LoadLevelIndex(1));
    const QString caption = window.windowTitle();
    const size_t entries = window.State().Level.LevelObjects.size();
    auto* open = Find<QAction>(&window, "mnuFileOpen");

    open->trigger();  // empty queue: Cancel
    EXPECT_EQ(window.windowTitle(), caption);

    w.Prompts.FileAnswers.push_back(w.Image.Folder().toStdString() + "/missing.smc");
    const size_t before = w.Prompts.Shown.size();
    open->trigger();
    EXPECT_EQ(w.Prompts.Shown.size(), before + 1);
    EXPECT_EQ(window.windowTitle(), caption);
    EXPECT_EQ(window.Rom().Path(), w.Image.Path());
    EXPECT_EQ(window.State().Level.LevelObjects.size(), entries);
    EXPECT_EQ(w.Prompts.EndCalls, 0);
}

TEST(MainWindowLoad, IndexCaptionIsHexAndAFailedLoadKeepsTheLevel) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    ASSERT_TRUE(w.Window->LoadLevelIndex(0x1A));
    EXPECT_EQ(w.Window->windowTitle(), QStringLiteral("Level 1A demo.smc - Tarnloft"));
    const LevelModel before = w.Window->State().Level;
    // An index whose table entry lies far beyond the end of the file.
    EXPECT_FALSE(w.Window->LoadLevelIndex(100000000));
    EXPECT_EQ(w.Window->windowTitle(), QStringLiteral("Level 1A demo.smc - Tarnloft"));
    EXPECT_EQ(w.Window->State().Level.LevelObjects, before.LevelObjects);
    EXPECT_EQ(w.Prompts.EndCalls, 0);
}

TEST(MainWindowSave, UnchangedLevelSavesWithoutChangingAByte) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    const QByteArray before = w.Image.Bytes();
    Find<QAction>(w.Window.get(), "mnuFileSave")->trigger();
    EXPECT_EQ(w.Prompts.Last().Title, "Tarnloft");
    EXPECT_EQ(w.Prompts.Last().Text, "Level saved succesfully.");
    EXPECT_EQ(w.Image.Bytes(), before);
}

TEST(MainWindowSave, AnOverBudgetLevelIsRefusedAndNothingIsWritten) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    const QByteArray before = w.Image.Bytes();
    LevelModel& level = w.Window->MutableState().Level;
    level.LevelObjects.front().X ^= 1;  // an edit that would change the image
    level.ObjectBytesUsed = level.ObjectBytesRoom + 1;
    Find<QAction>(w.Window.get(), "mnuFileSave")->trigger();
    EXPECT_EQ(w.Prompts.Last().Title, "Tarnloft - It doesn't have pointer recalculation");
    EXPECT_EQ(w.Image.Bytes(), before);
}

TEST(MainWindowExtras, BadgersAreCountedAndExitEndsTheProgram) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    auto* badger = Find<QAction>(w.Window.get(), "mnuRandomBadger");
    badger->trigger();
    EXPECT_EQ(w.Prompts.Last().Title, "Tarnloft - Sillyness");
    EXPECT_EQ(w.Prompts.Last().Text, "Badger fetched.  You now have 1 badgers.");
    badger->trigger();
    EXPECT_EQ(w.Prompts.Last().Text, "Badger fetched.  You now have 2 badgers.");

    const size_t shown = w.Prompts.Shown.size();
    Find<QAction>(w.Window.get(), "mnuMainQuit")->trigger();
    EXPECT_EQ(w.Prompts.EndCalls, 1);
    EXPECT_EQ(w.Prompts.Shown.size(), shown);  // no question asked
    EXPECT_FALSE(w.Window->Rom().IsOpen());
}
