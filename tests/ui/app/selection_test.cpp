// Select All, Cut, Copy and Paste in the window: their states, their keys on
// the surface and in a text box, and what a foreign clipboard gets.
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QLineEdit>
#include <QMimeData>

#include "edit/clipboard.h"
#include "surface/levelsurface.h"
#include "uitestsupport.h"

using namespace uitest;

namespace {

class SelectionMenu : public WindowTest {
protected:
    // Enabled states of Select All, Cut, Copy and Paste, e.g. "++++".
    std::string States() {
        std::string states;
        for (const char* name : {"mnuEditSelectAll", "mnuEditCut", "mnuEditCopy", "mnuEditPaste"})
            states += Find<QAction>(name)->isEnabled() ? "+" : "-";
        return states;
    }
    void Key(QWidget* to, Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(to, key, modifiers);
    }
    // Entry 0 spans (32,48)-(96,64) at 16x, entry 1 (160,160)-(192,192).
    void UseTwoEntries() { UseLevel({{1, 0, 2, 3, 4, 1}, {1, 0, 10, 10, 2, 2}}); }
    size_t Count() const { return State().Level.LevelObjects.size(); }
};

TEST_F(SelectionMenu, StatesFollowTheLevelAndTheMode) {
    UseTwoEntries();
    EXPECT_EQ(States(), "++++");
    Trigger("mnuViewScreenExit");
    EXPECT_EQ(States(), "----");
    Trigger("mnuViewScreenExit");
    UseLevel({});
    EXPECT_EQ(States(), "---+");
}

TEST_F(SelectionMenu, KeysOnTheSurfaceSelectCopyCutAndPaste) {
    ASSERT_TRUE(Active);
    UseTwoEntries();
    LevelSurface* surface = window->Surface();
    QTest::mouseClick(surface, Qt::LeftButton, Qt::ControlModifier, QPoint(40, 52));
    EXPECT_EQ(State().Level.Selection, (std::vector<int>{0, 1}));
    Key(surface, Qt::Key_Escape, Qt::NoModifier);
    EXPECT_EQ(State().Level.Selection, (std::vector<int>{0}));
    Key(surface, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(State().Level.Selection, (std::vector<int>{0, 1}));

    Key(surface, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasFormat(QString::fromLatin1(ClipboardMimeType)));
    EXPECT_TRUE(data->text().contains(QStringLiteral("at +8,+7")));
    // At the pointer's tile, 20,2, when the pointer is over the surface.
    QCursor::setPos(surface->mapToGlobal(QPoint(328, 40)));
    Key(surface, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(Count(), 4u);
    EXPECT_EQ(std::tuple(State().Level.LevelObjects[2].X, State().Level.LevelObjects[2].Y),
              std::tuple(20, 2));
    EXPECT_EQ(State().Level.Selection, (std::vector<int>{2, 3}));
    EXPECT_EQ(Find<QAction>("mnuEditUndo")->text().toStdString(), "&Undo Paste");
    Key(surface, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(Count(), 6u);
    Key(surface, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Count(), 4u);
    EXPECT_EQ(Find<QAction>("mnuEditUndo")->text().toStdString(), "&Undo Cut");
    Key(surface, Qt::Key_Insert, Qt::ControlModifier);  // Copy again, of the one left selected
    EXPECT_TRUE(
        QGuiApplication::clipboard()->mimeData()->text().endsWith(QStringLiteral(" at +0,+0, size 2 x 2\n")));
}

TEST_F(SelectionMenu, ATextBoxKeepsItsKeysAndTheMenuStillActsOnTheLevel) {
    ASSERT_TRUE(Active);
    UseTwoEntries();
    auto* filter = Find<QLineEdit>("txtFilter");
    filter->setFocus();
    QTest::keyClicks(filter, "ab");
    Key(filter, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(filter->selectedText(), QStringLiteral("ab"));
    Key(filter, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(filter->text(), QString());
    Key(filter, Qt::Key_V, Qt::ControlModifier);
    Key(filter, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(filter->text(), QStringLiteral("abab"));
    EXPECT_EQ(Count(), 2u);
    EXPECT_EQ(State().Level.Selection, (std::vector<int>{1}));
    Trigger("mnuEditSelectAll");
    EXPECT_EQ(State().Level.Selection, (std::vector<int>{0, 1}));
}

TEST_F(SelectionMenu, ForeignOrBrokenClipboardContentIsRefusedWithAMessage) {
    UseTwoEntries();
    const struct {
        const char* name;
        const char* mime;
        const char* payload;
        const char* message;
    } rows[] = {
        {"plain text", "text/plain", "01 - Ledge at +0,+0", "holds no Tarnloft items"},
        {"broken items", ClipboardMimeType, "tarnloft-items 1 2\nobject 01 00 1 1 0 0\n", "cannot be read"},
    };
    for (const auto& row : rows) {
        auto* data = new QMimeData;
        data->setData(QString::fromLatin1(row.mime), QByteArray(row.payload));
        QGuiApplication::clipboard()->setMimeData(data);
        Prompts.Shown.clear();
        Trigger("mnuEditPaste");
        ASSERT_EQ(Prompts.Shown.size(), 1u) << row.name;
        EXPECT_NE(Prompts.Shown[0].Text.find(row.message), std::string::npos) << row.name;
        EXPECT_EQ(Count(), 2u) << row.name;
    }
}

}  // namespace
