// The five lists whose entries fill a box or another list: a click or a
// keyboard move inside the list picks an entry, the focus arriving picks none.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <functional>

#include "uitestsupport.h"
#include "util/hex.h"

using namespace uitest;

using EntryPicking = WindowTest;

namespace {

struct PickCase {
    const char* Name;
    QListWidget* List;
    std::function<QString()> Shown;  // what a pick fills
    std::function<void()> Check;     // further agreement after each step
};

QListWidget* ListOf(QWidget* window, const char* list) {
    return window ? Find<QListWidget>(window, list) : nullptr;
}

void ExpectPicks(const PickCase& c) {
    SCOPED_TRACE(c.Name);
    ASSERT_NE(c.List, nullptr);
    ASSERT_GE(c.List->count(), 4);
    QWidget* top = c.List->window();
    QApplication::setActiveWindow(top);
    ASSERT_EQ(QApplication::activeWindow(), top);
    const QString before = c.Shown();
    c.List->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(c.Shown(), before) << "tabbing in picks nothing";
    QTest::keyClick(c.List, Qt::Key_Down);
    const QString second = c.Shown();
    EXPECT_NE(second, before) << "a keyboard move picks";
    c.Check();
    QTest::mouseClick(c.List->viewport(), Qt::LeftButton, {},
                      c.List->visualItemRect(c.List->item(3)).center());
    const QString clicked = c.Shown();
    EXPECT_NE(clicked, second) << "a click picks";
    c.Check();
    QTest::keyClick(c.List, Qt::Key_Up);
    EXPECT_NE(c.Shown(), clicked);
    c.Check();
}

}  // namespace

TEST_F(EntryPicking, ClicksAndKeysInsideTheListPickTheFocusArrivingDoesNot) {
    ASSERT_TRUE(Active);
    UseLevel(State().Level.LevelObjects, {ScreenExit{1, 0, 0x2C, 3, 4, 5}});
    const EditorState& state = State();
    Trigger("mnuViewScreenExit");
    auto box = [this](const char* name) { return [edit = Find<QLineEdit>(name)] { return edit->text(); }; };
    const ScreenExit& exit = state.Level.ScreenExits[0];
    auto stored = [box](const char* name, const uint8_t& field) {
        return [shown = box(name), &field] { EXPECT_EQ(shown(), QString::fromStdString(Hex(field))); };
    };
    ExpectPicks({"destination levels", ListOf(window, "lstDestinationLevels"), box("txtExitDestination"),
                 stored("txtExitDestination", exit.Destination)});
    ExpectPicks({"entrance types", ListOf(window, "lstEntranceTypes"), box("txtEntranceType"),
                 stored("txtEntranceType", exit.EntranceType)});
    Trigger("mnuViewScreenExit");

    auto* mainList = Find<QListWidget>(window, "lstObjects");
    mainList->setCurrentRow(7);  // the user's earlier pick in the main list
    Find<QAction>(window, "mnuViewSeperateobjects")->trigger();
    ExpectPicks({"object list window", ListOf(Find<QWidget>(window, "frmObjectList"), "lstObjects"),
                 [mainList] { return QString::number(mainList->currentRow()); }, [] {}});
    Find<QAction>(window, "mnuViewSeperateobjects")->trigger();

    const std::tuple<const char*, const char*, const char*> dialogs[] = {
        {"mnuFileLevelIndex", "frmLevelISelect", "txtIndex"},
        {"mnuFileLevel", "frmLevelSelect", "txtOffset"}};
    for (auto [menu, name, boxName] : dialogs) {
        Find<QAction>(window, menu)->trigger();
        auto* dialog = Find<QWidget>(window, name);
        ASSERT_NE(dialog, nullptr) << name;
        auto* typed = Find<QLineEdit>(dialog, boxName);
        typed->setText("C04EB");
        ExpectPicks({name, ListOf(dialog, "lstLevels"), [typed] { return typed->text(); }, [] {}});
        Find<QPushButton>(dialog, "cmdCancel")->click();
    }
}
