// The window side of viewing and editing: layout, zoom, toggles, shortcuts,
// the Screen Exit Editor, the catalogue list and buttons, mouse and keys.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "uitestsupport.h"
#include "surface/levelsurface.h"
#include "view/viewport.h"

using namespace tarnloft;

using namespace uitest;

namespace {

// Replaces the level on screen by the given entries, scrolled to the origin.
void UseLevel(MainWindow& window, std::vector<LevelObject> entries) {
    EditorState state = window.State();
    state.Level.LevelObjects = std::move(entries);
    state.Level.SelectedObject = state.View.H.Value = state.View.V.Value = 0;
    window.Session().Apply(&Editor::Reset, state);
}

QRect Geometry(QWidget* window, const char* name) { return Find<QWidget>(window, name)->geometry(); }

}  // namespace

TEST(MainWindowView, LayoutZoomShortcutsScreenExitsCatalogueMouseAndKeys) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    MainWindow* window = w.Window.get();
    const EditorState& state = window->State();
    auto* h = Find<QScrollBar>(window, "hscLevelPos");
    EXPECT_EQ(window->centralWidget()->size(), QSize(845, 504));
    EXPECT_EQ(Geometry(window, "vscLevelPos").left(), 621);
    for (const char* frame : {"fraObjectInfo", "fraLevelInfo", "fraScreenExits"})
        EXPECT_EQ(Geometry(window, frame).left(), 645) << frame;
    EXPECT_EQ(Find<QScrollBar>(window, "vscLevelPos")->maximum(), 98);
    EXPECT_EQ(Geometry(window, "Level"), QRect(208, 0, 413, 488));
    auto* list = Find<QListWidget>(window, "lstObjects");
    list->setCurrentRow(5);
    Find<QAction>(window, "mnuViewSeperateobjects")->trigger();  // the catalogue list leaves the window
    EXPECT_EQ(Geometry(window, "Level"), QRect(16, 0, 605, 488));
    EXPECT_EQ(window->centralWidget()->minimumWidth(), 480);
    Find<QAction>(window, "mnuViewSeperateobjects")->trigger();
    EXPECT_EQ(list->currentRow(), 5);  // opening the mirror window keeps the pick
    list->clearSelection();
    // The outside area lets the bars reach 256; unchecking pulls the position back.
    Find<QAction>(window, "mnuViewOutofbounds")->trigger();
    EXPECT_EQ(Find<QScrollBar>(window, "vscLevelPos")->maximum(), 256);
    h->setValue(250);
    Find<QAction>(window, "mnuViewOutofbounds")->trigger();
    EXPECT_EQ(h->maximum(), 231);
    EXPECT_EQ(state.View.H.Value, 231);
    const QList<QAction*> zooms = window->findChildren<QAction*>("mnuViewZoom");
    ASSERT_EQ(zooms.size(), 7);
    for (auto [zoom, fontSize, caption] :
         {std::tuple{8, 2, "8x"}, {64, 30, "64x"}, {16, 6, "16x (Default)"}}) {
        QAction* entry = FindIndexed<QAction>(window, "mnuViewZoom", zoom);
        EXPECT_EQ(entry->text(), caption);
        entry->trigger();
        EXPECT_EQ(window->Surface()->FontSize(), fontSize);
        EXPECT_EQ(h->maximum(), 256 - 413 / zoom);
        for (QAction* a : zooms) EXPECT_EQ(a->isChecked(), a->property("index").toInt() == zoom) << zoom;
    }
    const auto& entries = state.Level.LevelObjects;
    auto* filter = Find<QLineEdit>(window, "txtFilter");
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
    // At 16x entry 0 spans (32,48)-(96,64); entry 1's width handle is at x 192, rows 160..192.
    UseLevel(*window, {{1, 0, 2, 3, 4, 1}, {1, 0, 10, 10, 2, 2}});
    LevelSurface* surface = window->Surface();
    for (auto [from, to, mode] : {std::tuple{QPoint(40, 52), QPoint(72, 68), PointerMode::MOV},
                                  {QPoint(193, 170), QPoint(225, 170), PointerMode::RSX}}) {
        QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, from);
        EXPECT_EQ(state.Tool.Mode, mode);
        QTest::mouseMove(surface, to);
        QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, to);
    }
    EXPECT_EQ(QList<int>({entries[0].X, entries[0].Y, entries[1].Width}), QList<int>({4, 4, 4}));
    QTest::mouseMove(surface, QPoint(170, 170));
    EXPECT_EQ(Find<QLabel>(window, "lblMousePos")->text(), "(A,A)");
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Delete})
        QTest::keyClick(surface, key);
    EXPECT_EQ(Find<QScrollBar>(window, "vscLevelPos")->value(), 2);
    EXPECT_EQ(entries.size(), 1u);
    // A right click lists the overlapping entries; the choice comes to the front.
    UseLevel(*window, {{1, 0, 2, 2, 6, 6}, {1, 0, 3, 3, 2, 2}, {1, 0, 20, 20}});
    auto* popup = Find<QListWidget>(window, "lstPopup");
    QTest::mouseClick(surface, Qt::RightButton, Qt::NoModifier, QPoint(60, 60));
    ASSERT_EQ(popup->count(), 2);
    EXPECT_EQ(popup->pos(), QPoint(44, 44));
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, Qt::NoModifier,
                      popup->visualItemRect(popup->item(1)).center());
    EXPECT_EQ(entries[1].X, 2);  // the large one now lies on top
    QTest::mouseClick(surface, Qt::RightButton, Qt::NoModifier, QPoint(60, 60));
    ASSERT_TRUE(window->LoadLevelIndex(0));  // a new level takes the popup away
    EXPECT_EQ(popup->y(), HiddenPopupTop);
    // Ctrl+C and Ctrl+E reach the menu from a text box.
    EditorState withExit = state;
    withExit.Level.ScreenExits = {ScreenExit{1, 0, 0x2C, 3, 4, 5}};
    window->Session().Apply(&Editor::Reset, withExit);
    auto* editor = Find<QWidget>(window, "fraScreenExits");
    filter->setFocus();
    ASSERT_TRUE(w.Active);
    QTest::keyClick(filter, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(Find<QAction>(window, "mnuViewCross")->isChecked());
    QTest::keyClick(filter, Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(Find<QAction>(window, "mnuViewScreenExit")->isChecked());
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
