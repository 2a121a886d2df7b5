// The catalogue list in the window: the filter box and the check boxes
// (Create from the list is the end-to-end script's).
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>

#include "uitestsupport.h"

using namespace uitest;

using CatalogueList = WindowTest;

namespace {

TEST_F(CatalogueList, FilterAndCheckBoxesRebuildTheList) {
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
