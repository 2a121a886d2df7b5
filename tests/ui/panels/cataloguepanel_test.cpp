// The catalogue panel in the window: Create and Remove from the list, the
// filter box and the check boxes.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "uitestsupport.h"

using namespace uitest;

namespace {

TEST(CataloguePanel, CreateNeedsAPickAndRemoveTakesTheEntryBack) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    MainWindow* window = w.Window.get();
    auto* list = Find<QListWidget>(window, "lstObjects");
    const auto& entries = window->State().Level.LevelObjects;
    const size_t count = entries.size();
    ASSERT_EQ(list->count(), 1024);
    QTest::mouseClick(Find<QPushButton>(window, "cmdAddObject"), Qt::LeftButton);
    EXPECT_EQ(w.Prompts.Last().Title, "Tarnloft - User error");  // nothing selected
    list->setCurrentRow(512 + 0x1A);
    QTest::mouseClick(Find<QPushButton>(window, "cmdAddObject"), Qt::LeftButton);
    ASSERT_EQ(entries.size(), count + 1);
    EXPECT_TRUE(entries.back().IsSprite && entries.back().Number == 0x1A);
    QTest::mouseClick(Find<QPushButton>(window, "cmdRemoveObject"), Qt::LeftButton);
    EXPECT_EQ(entries.size(), count);
}

TEST(CataloguePanel, FilterAndCheckBoxesRebuildTheList) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    MainWindow* window = w.Window.get();
    auto* list = Find<QListWidget>(window, "lstObjects");
    auto* filter = Find<QLineEdit>(window, "txtFilter");
    QTest::keyClicks(filter, "x1");
    ASSERT_GE(list->count(), 16);  // X10..X1F at least
    for (int i = 0; i < list->count(); ++i) EXPECT_TRUE(list->item(i)->text().toUpper().contains("X1"));
    filter->setText("s1f");  // as by pasting: no key comes up, a box click still reads it
    QTest::mouseClick(FindIndexed<QCheckBox>(window, "chkListable", 0), Qt::LeftButton);
    EXPECT_EQ(list->count(), 17);  // S1F and S1F0..S1FF
    filter->clear();
    QTest::keyClick(filter, Qt::Key_End);  // the list is rebuilt as a key comes up
    QTest::mouseClick(FindIndexed<QCheckBox>(window, "chkListable", 1), Qt::LeftButton);
    EXPECT_EQ(list->count(), 512);  // sprites only
}

}  // namespace
