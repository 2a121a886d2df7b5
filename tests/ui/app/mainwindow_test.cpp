// The main window's menus and controls, start-up, loading, saving and extras.
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "uitestsupport.h"

using namespace tarnloft;

using namespace uitest;

TEST(MainWindowStartup, CaptionsShortcutsCheckMarksAndACancelledStart) {
    RecordingPrompts prompts;
    MainWindow window(prompts, DataFolder());
    // objectName|caption|shortcut of menus, menu items, buttons and frames; the View
    // toggles are the checkable ones, and nothing starts checked.
    const QString rows =
        "mnuMain|Tarnloft|;mnuFile|&File|;mnuLevel|&Level|;mnuView|&View|;mnuRandom|&Random|;mnuHelp|&Help|;"
        "mnuFileOpen|&Open ROM...|Ctrl+O;mnuMainQuit|&Exit|Ctrl+Q;mnuFileSave|&Save Level|Ctrl+S;"
        "mnuFileLevelIndex|&Load Level by Index...|Ctrl+L;mnuLevelHeader|Edit header...|Ctrl+H;"
        "mnuFileLevel|(Do NOT use this) Load Level by Of&fset...|;mnuRandomLevelClear|Yes, I'm sure|;"
        "cmdLevelClearsuretwo|Are you sure you want to remove all objects and sprites?|;"
        "mnuViewCross|Cross-section mode|Ctrl+C;mnuViewScreenExit|Screen Exit mode|Ctrl+E;"
        "mnuViewOutofbounds|Show area outside of level|;mnuViewSeperateobjects|Object list window|;"
        "mnuViewSmallgrid|Small grid|Ctrl+G;mnuViewTransparent|Transparent WireBlocks|Ctrl+W;"
        "mnuViewStationary|Stationary tooltip|Ctrl+T;mnuRandomHex|&Hex editor...|;"
        "mnuRandomBadger|Fetch Me A &Badger|;mnuHelpAbout|&About...|;cmdObjectPrev|&<|;cmdObjectNext|&>|;"
        "cmdGotoObject|&Goto|;cmdAddObject|&Create|;cmdRemoveObject|&Remove|;cmdScreenPrev|<|;"
        "cmdScreenGoto|Goto|;cmdScreenNext|>|;fraLevelInfo|Level Info|;fraSubPanel|Object|;"
        "fraObjectInfo|Current Object Info|;fraListOptions|Object list options|;"
        "fraScreenExits|Screen Exit Editor|";
    for (const QString& row : rows.split(';')) {
        const QString name = row.section('|', 0, 0);
        QObject* item = window.findChild<QObject*>(name);
        ASSERT_NE(item, nullptr) << name.toStdString();
        const QString caption =
            item->property(item->property("title").isValid() ? "title" : "text").toString();
        auto* action = qobject_cast<QAction*>(item);
        const QString shortcut = action ? action->shortcut().toString() : QString();
        EXPECT_EQ((name + '|' + caption + '|' + shortcut).toStdString(), row.toStdString());
        EXPECT_EQ(item->property("checkable").toBool(), name.startsWith("mnuView") && name != "mnuView");
        EXPECT_FALSE(item->property("checked").toBool()) << name.toStdString();
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(FindIndexed<QCheckBox>(&window, "chkListable", i)->text(),
                  QString("Norm,X,Sprite").section(',', i, i));
    // One top menu holds the tree, the Edit menu follows; "Clear" asks twice before its action.
    EXPECT_EQ(window.menuBar()->actions(), (QList<QAction*>{Find<QMenu>(&window, "mnuMain")->menuAction(),
                                                            Find<QMenu>(&window, "mnuEdit")->menuAction()}));
    auto* sure = Find<QMenu>(&window, "cmdLevelClearsuretwo");
    EXPECT_EQ(Find<QMenu>(&window, "mnuRandomLevelClearcheck")->actions(),
              QList<QAction*>{sure->menuAction()});
    EXPECT_EQ(sure->actions(), QList<QAction*>{Find<QAction>(&window, "mnuRandomLevelClear")});

    EXPECT_FALSE(window.Startup());  // the file dialog answers Cancel
    ASSERT_EQ(prompts.Shown.size(), 2u);
    EXPECT_EQ(prompts.Shown[0].Title, "Tarnloft - RTFM");
    EXPECT_EQ(prompts.Shown[0].Text,
              "Tarnloft only supports version 1.0 (U) of Pebblecrest!\r\n"
              "Please select a ROM of this version; others will not work.");
    EXPECT_EQ(prompts.Shown[1].Title, "Tarnloft - User Error");
    EXPECT_EQ(prompts.Shown[1].Text, "A valid ROM must be selected to run Tarnloft.");
    EXPECT_EQ(prompts.EndCalls, 1);
}

TEST(MainWindowStartup, MissingDefinitionFilesEndBeforeTheWarningAndTheDialog) {
    QTemporaryDir empty;
    RecordingPrompts prompts;
    MainWindow window(prompts, empty.path().toStdString());
    EXPECT_FALSE(window.Startup());
    ASSERT_EQ(prompts.Shown.size(), 1u);
    EXPECT_EQ(prompts.Shown[0].Title, "Tarnloft - This is bad");
    EXPECT_NE(prompts.Shown[0].Text.find("O5Data.dat"), std::string::npos);
    EXPECT_EQ(std::pair(prompts.EndCalls, prompts.ChooseCalls), std::pair(1, 0));
}
