// The dialogs and the object list window as the main window opens and wires them.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

#include "uitestsupport.h"

using namespace tarnloft;

using namespace uitest;

namespace {

using DialogWiring = WindowTest;

// Triggers the menu item and returns the application-modal window it shows.
QWidget* Open(MainWindow* window, const char* item, const char* dialog) {
    Find<QAction>(window, item)->trigger();
    auto* shown = Find<QWidget>(window, dialog);
    EXPECT_TRUE(shown && shown->isVisible() && shown->windowModality() == Qt::ApplicationModal) << dialog;
    return shown;
}
void Click(QWidget* w, const char* name) { Find<QPushButton>(w, name)->click(); }
QLineEdit* Box(QWidget* w, const char* name) { return Find<QLineEdit>(w, name); }
QStringList Texts(QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

}  // namespace

TEST_F(DialogWiring, HeaderAlrightTakesTheBoxesIntoTheLevelOnlyAndCancelDiscards) {
    const testimage::Image file = Image.Bytes();
    const size_t messages = Prompts.Shown.size();
    const auto original = State().Level.HeaderBytes;
    QWidget* dlg = Open(window, "mnuLevelHeader", "frmHeader");
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(Find<QPushButton>(dlg, "cmdOk")->text() + Find<QPushButton>(dlg, "cmdCancel")->text(),
              QStringLiteral("&Alright&Cancel"));
    const QString music = Box(dlg, "m")->text();
    const QString changed = QString::number((music.toInt() + 1) % 32);
    Box(dlg, "m")->setText(changed);
    Click(dlg, "cmdOk");
    const auto edited = State().Level.HeaderBytes;
    EXPECT_NE(edited, original);
    EXPECT_EQ(Image.Bytes(), file) << "the header reaches the file only with a save";

    EXPECT_EQ(Box(dlg = Open(window, "mnuLevelHeader", "frmHeader"), "m")->text(), changed);
    Box(dlg, "m")->setText(music);
    Click(dlg, "cmdCancel");
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(State().Level.HeaderBytes, edited);
    EXPECT_EQ(Box(Open(window, "mnuLevelHeader", "frmHeader"), "m")->text(), changed);
    EXPECT_EQ(Prompts.Shown.size(), messages);
}

// The captions and the message of a load are LevelLoading's (panels_test.cpp).
TEST_F(DialogWiring, IndexAndOffsetDialogsLoadTheLevel) {
    QWidget* index = Open(window, "mnuFileLevelIndex", "frmLevelISelect");
    ASSERT_NE(index, nullptr);
    EXPECT_GT(Find<QListWidget>(index, "lstLevels")->count(), 0) << "the shipped level list";
    Click(index, "cmdOK");  // an empty box loads level 0
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Level 0 demo.smc - Tarnloft"));
    index = Open(window, "mnuFileLevelIndex", "frmLevelISelect");
    Box(index, "txtIndex")->setText("1a");
    Click(index, "cmdOK");
    EXPECT_FALSE(index->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Level 1A demo.smc - Tarnloft"));
    const LevelModel level1A = State().Level;

    ASSERT_TRUE(window->LoadLevelIndex(0));
    QWidget* offset = Open(window, "mnuFileLevel", "frmLevelSelect");
    ASSERT_NE(offset, nullptr);
    EXPECT_GT(Find<QListWidget>(offset, "lstLevels")->count(), 0) << "the shipped offset list";
    Box(offset, "txtOffset")->setText(QString::number(level1A.ObjectDataPos - 1, 16));
    Box(offset, "txtSpriteOffset")->setText(QString::number(level1A.SpriteDataPos - 1, 16));
    Click(offset, "cmdOK");
    EXPECT_FALSE(offset->isVisible());
    EXPECT_EQ(State().Level.LevelObjects, level1A.LevelObjects);
}

TEST_F(DialogWiring, ObjectListWindowMirrorsTheMainListAndForwardsToIt) {
    QWidget* main = window->centralWidget();
    auto* mainList = Find<QListWidget>(main, "lstObjects");
    auto* menu = Find<QAction>(window, "mnuViewSeperateobjects");
    const QStringList all = Texts(mainList);
    menu->trigger();
    QPointer<QWidget> separate = Find<QWidget>(window, "frmObjectList");
    ASSERT_TRUE(separate && separate->isVisible() && menu->isChecked());
    auto* list = Find<QListWidget>(separate.data(), "lstObjects");
    EXPECT_EQ(Texts(list), all);

    // Clicking picks in the main list (see EntryPicking); typing in its filter rebuilds both lists
    // alike, with nothing selected.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(4)).center());
    // Its Create and Remove are the main window's, with the main list's pick.
    const auto& entries = window->State().Level.LevelObjects;
    const size_t count = entries.size();
    ASSERT_TRUE(Find<QPushButton>(separate.data(), "cmdAddObject") &&
                Find<QPushButton>(separate.data(), "cmdRemoveObject"));
    Click(separate, "cmdAddObject");
    ASSERT_EQ(entries.size(), count + 1);
    EXPECT_EQ(entries.back().Number, 4);
    Click(separate, "cmdRemoveObject");
    EXPECT_EQ(entries.size(), count);
    QTest::keyClicks(Box(separate, "txtFilter"), "12");
    EXPECT_EQ(Box(main, "txtFilter")->text(), QStringLiteral("12"));
    EXPECT_NE(mainList->count(), all.size());
    EXPECT_EQ(Texts(list), Texts(mainList));
    EXPECT_TRUE(mainList->currentRow() == -1 && list->selectedItems().isEmpty());
    Box(separate, "txtFilter")->clear();
    EXPECT_EQ(Texts(mainList), all);

    // Its check boxes are copied to the main ones, all three: "Norm" comes back on.
    FindIndexed<QCheckBox>(main, "chkListable", 0)->click();
    ASSERT_FALSE(FindIndexed<QCheckBox>(main, "chkListable", 0)->isChecked());
    FindIndexed<QCheckBox>(separate.data(), "chkListable", 2)->click();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(FindIndexed<QCheckBox>(main, "chkListable", i)->isChecked(), i != 2);
    EXPECT_NE(Texts(mainList), all);
    EXPECT_EQ(Texts(list), Texts(mainList));

    // Closing it discards it and unchecks the item.
    separate->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(separate.isNull());
    EXPECT_FALSE(menu->isChecked());
    EXPECT_FALSE(State().View.Toggles.SeparateObjects);
    EXPECT_TRUE(mainList->isVisible());
}
