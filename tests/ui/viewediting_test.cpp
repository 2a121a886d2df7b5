// The window side of the level view and of editing: layout, zoom, view
// toggles, shortcuts over text boxes, the catalogue list, the object
// buttons, the mouse on the drawing surface and the Screen Exit Editor.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "uitestsupport.h"
#include "view/qt/levelsurface.h"
#include "view/viewport.h"

using namespace uitest;

namespace {

QRect Geometry(QWidget* window, const char* name) { return Find<QWidget>(window, name)->geometry(); }

// Replaces the level on screen by a small known one and redraws it.
void UseLevel(MainWindow& window, std::vector<LevelObject> entries) {
    EditorState& state = window.MutableState();
    state.Level.LevelObjects = std::move(entries);
    state.Level.SelectedObject = 0;
    state.View.H.Value = 0;
    state.View.V.Value = 0;
    RebuildVisibleList(state.View, state.Level);
    window.RepaintView();
}

LevelObject FiveByteObject(uint8_t x, uint8_t y, int16_t width, int16_t height) {
    LevelObject o;
    o.Number = 0x01;  // a five-byte object of the catalogue
    o.X = x;
    o.Y = y;
    o.Width = width;
    o.Height = height;
    return o;
}

}  // namespace

TEST(MainWindowLayout, DesignClientAreaPlacesThePanels) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    MainWindow* window = w.Window.get();
    EXPECT_EQ(window->centralWidget()->size(), QSize(845, 504));
    EXPECT_EQ(Geometry(window, "Level"), QRect(208, 0, 413, 488));
    EXPECT_EQ(Geometry(window, "vscLevelPos").left(), 621);
    EXPECT_EQ(Geometry(window, "hscLevelPos"), QRect(208, 488, 413, 16));
    for (const char* frame : {"fraObjectInfo", "fraLevelInfo", "fraScreenExits"})
        EXPECT_EQ(Geometry(window, frame).left(), 645) << frame;
    EXPECT_EQ(Find<QScrollBar>(window, "hscLevelPos")->maximum(), 231);
    EXPECT_EQ(Find<QScrollBar>(window, "vscLevelPos")->maximum(), 98);
    EXPECT_EQ(w.Window->State().View.SurfaceWidth, 413);

    // The catalogue list leaves the window: the surface takes its room.
    Find<QAction>(window, "mnuViewSeperateobjects")->trigger();
    EXPECT_EQ(Geometry(window, "Level"), QRect(16, 0, 605, 488));
    EXPECT_FALSE(Find<QWidget>(window, "lstObjects")->isVisible());
    EXPECT_FALSE(Find<QWidget>(window, "fraSubPanel")->isVisible());
    EXPECT_EQ(window->centralWidget()->minimumWidth(), 480);
    Find<QAction>(window, "mnuViewSeperateobjects")->trigger();
    EXPECT_EQ(Geometry(window, "Level"), QRect(208, 0, 413, 488));
    EXPECT_TRUE(Find<QWidget>(window, "lstObjects")->isVisible());
    EXPECT_EQ(window->centralWidget()->minimumWidth(), 672);
}

TEST(MainWindowView, ZoomChecksOneEntrySetsTheFontAndRecomputesTheRange) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    struct Case {
        int Zoom, FontSize, HMaximum;
        const char* Caption;
    };
    const Case cases[] = {{8, 2, 256 - 413 / 8, "8x"},
                          {64, 30, 256 - 413 / 64, "64x"},
                          {12, 4, 256 - 413 / 12, "12x"},
                          {16, 6, 231, "16x (Default)"}};
    ASSERT_EQ(w.Window->findChildren<QAction*>(QStringLiteral("mnuViewZoom")).size(), 7);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Zoom);
        QAction* entry = FindIndexed<QAction>(w.Window.get(), "mnuViewZoom", c.Zoom);
        EXPECT_EQ(entry->text().toStdString(), c.Caption);
        entry->trigger();
        EXPECT_EQ(w.Window->State().View.Zoom, c.Zoom);
        EXPECT_EQ(w.Window->SurfaceFontSize(), c.FontSize);
        EXPECT_EQ(Find<QScrollBar>(w.Window.get(), "hscLevelPos")->maximum(), c.HMaximum);
        for (QAction* a : w.Window->findChildren<QAction*>(QStringLiteral("mnuViewZoom")))
            EXPECT_EQ(a->isChecked(), a->property("index").toInt() == c.Zoom);
    }
}

TEST(MainWindowView, OutsideAreaLetsBothBarsReach256AndUncheckingPullsBack) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    auto* action = Find<QAction>(w.Window.get(), "mnuViewOutofbounds");
    auto* h = Find<QScrollBar>(w.Window.get(), "hscLevelPos");
    action->trigger();
    EXPECT_EQ(h->maximum(), 256);
    EXPECT_EQ(Find<QScrollBar>(w.Window.get(), "vscLevelPos")->maximum(), 256);
    h->setValue(250);
    EXPECT_EQ(w.Window->State().View.H.Value, 250);
    action->trigger();
    EXPECT_EQ(h->maximum(), 231);
    EXPECT_EQ(h->value(), 231);
    EXPECT_EQ(w.Window->State().View.H.Value, 231);
}

TEST(MainWindowShortcuts, CtrlCAndCtrlEReachTheMenuFromATextBox) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    w.Window->activateWindow();
    auto* filter = Find<QLineEdit>(w.Window.get(), "txtFilter");
    filter->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.Window.get()));
    QTest::keyClick(filter, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(Find<QAction>(w.Window.get(), "mnuViewCross")->isChecked());
    EXPECT_TRUE(w.Window->State().View.Toggles.CrossSection);
    QTest::keyClick(filter, Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(Find<QAction>(w.Window.get(), "mnuViewScreenExit")->isChecked());
    EXPECT_TRUE(Find<QWidget>(w.Window.get(), "fraScreenExits")->isVisible());
    QTest::keyClick(filter, Qt::Key_E, Qt::ControlModifier);
    EXPECT_FALSE(Find<QWidget>(w.Window.get(), "fraScreenExits")->isVisible());
    EXPECT_EQ(w.Window->State().Mode, PointerMode::NON);
}

TEST(MainWindowCatalogue, FilterAndCheckBoxesRebuildTheList) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    auto* list = Find<QListWidget>(w.Window.get(), "lstObjects");
    ASSERT_EQ(list->count(), 1024);
    EXPECT_EQ(list->item(1023)->data(Qt::UserRole).toInt(), 1023);

    list->setCurrentRow(5);
    auto* filter = Find<QLineEdit>(w.Window.get(), "txtFilter");
    QTest::keyClicks(filter, "x1");
    ASSERT_GE(list->count(), 16);  // X10..X1F at least
    EXPECT_TRUE(list->selectedItems().isEmpty());
    for (int i = 0; i < list->count(); ++i) EXPECT_TRUE(list->item(i)->text().toUpper().contains("X1"));
    // A key that changes nothing still rebuilds, and so drops the selection.
    list->setCurrentRow(0);
    QTest::keyClick(filter, Qt::Key_Shift);
    EXPECT_TRUE(list->selectedItems().isEmpty());

    filter->clear();
    QTest::keyClick(filter, Qt::Key_End);
    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(FindIndexed<QCheckBox>(w.Window.get(), "chkListable", i), Qt::LeftButton);
    EXPECT_EQ(list->count(), 512);  // sprites only
}

TEST(MainWindowCommands, CreateReadsTheSelectedCatalogueLine) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    UseLevel(*w.Window, {FiveByteObject(2, 3, 4, 1)});
    auto* create = Find<QPushButton>(w.Window.get(), "cmdAddObject");
    auto* list = Find<QListWidget>(w.Window.get(), "lstObjects");

    QTest::mouseClick(create, Qt::LeftButton);
    EXPECT_EQ(w.Prompts.Last().Title, "Tarnloft - User error");
    list->setCurrentRow(512 + 0x1A);  // sprite 1A
    QTest::mouseClick(create, Qt::LeftButton);
    const auto& entries = w.Window->State().Level.LevelObjects;
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_TRUE(entries[1].IsSprite);
    EXPECT_EQ(entries[1].Number, 0x1A);
    QTest::mouseClick(Find<QPushButton>(w.Window.get(), "cmdRemoveObject"), Qt::LeftButton);
    EXPECT_EQ(entries.size(), 1u);
}

TEST(MainWindowSurface, PressDragAndResizeWithTheMouse) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    // At 16x: box from (32, 48) to (96, 64); width handle at x = 96.
    UseLevel(*w.Window, {FiveByteObject(2, 3, 4, 1), FiveByteObject(10, 10, 2, 2)});
    LevelSurface* surface = w.Window->Surface();
    const EditorState& state = w.Window->State();

    QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, QPoint(40, 52));
    EXPECT_EQ(state.Mode, PointerMode::MOV);
    EXPECT_EQ(state.Level.SelectedObject, 0);
    EXPECT_TRUE(surface->hasFocus());
    QTest::mouseMove(surface, QPoint(40 + 32, 52 + 16));
    QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, QPoint(40 + 32, 52 + 16));
    EXPECT_EQ(state.Mode, PointerMode::NON);
    EXPECT_EQ(state.Level.LevelObjects[0].X, 4);
    EXPECT_EQ(state.Level.LevelObjects[0].Y, 4);

    // Width handle of entry 1 at pixel 192, rows 160..192.
    QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, QPoint(193, 170));
    EXPECT_EQ(state.Mode, PointerMode::RSX);
    EXPECT_EQ(state.Level.SelectedObject, 1);
    QTest::mouseMove(surface, QPoint(193 + 32, 170));
    QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, QPoint(193 + 32, 170));
    EXPECT_EQ(state.Level.LevelObjects[1].Width, 4);
    EXPECT_EQ(state.Level.LevelObjects[1].X, 10);

    // Hovering shows the label and the tile under the pointer.
    QTest::mouseMove(surface, QPoint(170, 170));
    EXPECT_EQ(Find<QLabel>(w.Window.get(), "lblMousePos")->text(), QStringLiteral("(A,A)"));
    EXPECT_EQ(Find<QLabel>(w.Window.get(), "lblToolTip")->pos(), QPoint(170 + 16, 170 - 32));
}

TEST(MainWindowSurface, PopupListsOverlappingItemsAndBringsTheChoiceToTheFront) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    UseLevel(*w.Window,
             {FiveByteObject(2, 2, 6, 6), FiveByteObject(3, 3, 2, 2), FiveByteObject(20, 20, 1, 1)});
    LevelSurface* surface = w.Window->Surface();
    auto* popup = Find<QListWidget>(w.Window.get(), "lstPopup");
    QTest::mousePress(surface, Qt::RightButton, Qt::NoModifier, QPoint(60, 60));
    QTest::mouseRelease(surface, Qt::RightButton, Qt::NoModifier, QPoint(60, 60));
    ASSERT_EQ(popup->count(), 2);
    EXPECT_EQ(popup->pos(), QPoint(44, 44));
    EXPECT_EQ(popup->item(0)->data(Qt::UserRole).toInt(), 1);

    const QRect second = popup->visualItemRect(popup->item(1));
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
    EXPECT_EQ(popup->y(), -512);
    const auto& entries = w.Window->State().Level.LevelObjects;
    EXPECT_EQ(entries[1].X, 2);  // the large one now lies on top
    EXPECT_EQ(entries[0].X, 3);
}

TEST(MainWindowSurface, KeysOfTheSurfaceScrollAndDelete) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    UseLevel(*w.Window, {FiveByteObject(2, 3, 4, 1), FiveByteObject(10, 10, 2, 2)});
    LevelSurface* surface = w.Window->Surface();
    surface->setFocus();
    QTest::keyClick(surface, Qt::Key_Right);
    QTest::keyClick(surface, Qt::Key_Down);
    QTest::keyClick(surface, Qt::Key_Down);
    EXPECT_EQ(w.Window->State().View.H.Value, 1);
    EXPECT_EQ(w.Window->State().View.V.Value, 2);
    EXPECT_EQ(Find<QScrollBar>(w.Window.get(), "vscLevelPos")->value(), 2);
    QTest::keyClick(surface, Qt::Key_Delete);
    EXPECT_EQ(w.Window->State().Level.LevelObjects.size(), 1u);
}

TEST(MainWindowScreenExits, EditorFieldsStoreIntoTheSelectedExit) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    EditorState& state = w.Window->MutableState();
    state.Level.ScreenExits = {ScreenExit{1, 0, 0x2C, 3, 4, 5}};
    Find<QAction>(w.Window.get(), "mnuViewScreenExit")->trigger();
    ASSERT_EQ(state.Level.SelectedScreenExit, 0);
    EXPECT_EQ(Find<QLineEdit>(w.Window.get(), "txtExitDestination")->text(), QStringLiteral("2C"));
    EXPECT_TRUE(Find<QWidget>(w.Window.get(), "fraScreenExits")->isEnabled());

    auto* x = Find<QLineEdit>(w.Window.get(), "txtEntranceX");
    x->clear();
    QTest::keyClicks(x, "1F");
    EXPECT_EQ(state.Level.ScreenExits[0].EntranceX, 0x1F);
    QTest::keyClicks(x, "7");
    EXPECT_EQ(state.Level.ScreenExits[0].EntranceX, 0x1F);

    QTest::mouseClick(FindIndexed<QPushButton>(w.Window.get(), "cmdMoveScreen", 3), Qt::LeftButton);
    EXPECT_EQ(state.Level.ScreenExits[0].ScreenY, 1);

    // A left press on the surface leaves the mode.
    QTest::mouseClick(w.Window->Surface(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
    EXPECT_FALSE(Find<QWidget>(w.Window.get(), "fraScreenExits")->isVisible());
    EXPECT_FALSE(Find<QAction>(w.Window.get(), "mnuViewScreenExit")->isChecked());
}
