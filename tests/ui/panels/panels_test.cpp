// What the main window shows the user: the Screen Exit Editor over what lies
// beneath it and following the level on screen, texts that follow the level,
// and the window's least size.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>

#include "level/objectstream.h"
#include "surface/levelsurface.h"
#include "uitestsupport.h"
#include "util/hex.h"

using namespace uitest;

namespace {

// Whether every pixel of `area` (in `widget`'s coordinates) has one colour, as the window shows it.
bool Plain(QWidget* window, QWidget* widget, const QRect& area) {
    const QImage image = window->grab(QRect(widget->mapTo(window, area.topLeft()), area.size())).toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0)) return false;
    return true;
}

using ScreenExitFrame = WindowTest;

TEST_F(ScreenExitFrame, CoversTheObjectInfoBeneathItEnabledOrNot) {
    auto* frame = Find("fraScreenExits");
    // Left of the "^" button and above "Move Exit:": nothing of the frame's own is drawn here.
    const QRect empty(8, 22, 80, 20);
    ASSERT_FALSE(Find<QLabel>("lblObjectInfo")->text().isEmpty());
    ASSERT_FALSE(Plain(window, frame, empty)) << "the object info text lies beneath the empty area";
    Trigger("mnuViewScreenExit");
    ASSERT_TRUE(frame->isVisible());
    for (bool enabled : {true, false}) {
        frame->setEnabled(enabled);
        EXPECT_TRUE(Plain(window, frame, empty)) << "enabled " << enabled;
    }
}

// Typing into the boxes is EditMenu's, the lists EntryPicking's.
TEST_F(ScreenExitFrame, ShowsTheExitAndMovesIt) {
    UseLevel(State().Level.LevelObjects, {ScreenExit{1, 0, 0x2C, 3, 4, 5}});
    Trigger("mnuViewScreenExit");
    auto* frame = Find("fraScreenExits");
    EXPECT_TRUE(frame->isVisible() && frame->isEnabled());
    EXPECT_EQ(Find<QLineEdit>("txtExitDestination")->text(), "2C");
    QTest::mouseClick(FindIndexed<QPushButton>(window, "cmdMoveScreen", 3), Qt::LeftButton);
    EXPECT_EQ(State().Level.ScreenExits[0].ScreenY, 1);
    Trigger("mnuViewScreenExit");
    EXPECT_FALSE(frame->isVisible());
}

// A level without exits shows empty boxes in a disabled frame, also after
// a level with an exit; the byte count is always the level's own.
TEST_F(ScreenExitFrame, FollowsALevelWithoutExits) {
    auto* usage = Find<QLabel>("lblByteUsage2");
    EditorState withExit = State();
    LevelModel& level = withExit.Level;
    level.ScreenExits = {ScreenExit{1, 2, 3, 4, 5, 6}};
    level.ObjectBytesRoom = MeasureObjectBytes(window->Defs(), level) - 1;  // one byte over
    window->Session().Apply(&Editor::Reset, withExit);
    Trigger("mnuViewScreenExit");
    const int64_t used = State().Level.ObjectBytesUsed;
    EXPECT_EQ(usage->text().toStdString(), std::to_string(used) + "/" + std::to_string(used - 1));
    Trigger("mnuViewScreenExit");
    LevelModel next = State().Level;
    next.ScreenExits.clear();
    next.ObjectBytesRoom = 95 + 100;
    window->Session().Apply(&Editor::AdoptLevel, next);
    Trigger("mnuViewScreenExit");
    EXPECT_EQ(usage->text().toStdString(), std::to_string(used - 5) + "/195");
    EXPECT_EQ(usage->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_TRUE(Find("fraScreenExits")->isVisible());
    EXPECT_FALSE(Find("fraScreenExits")->isEnabled());
    for (const char* box : {"txtExitDestination", "txtEntranceX", "txtEntranceY", "txtEntranceType"})
        EXPECT_EQ(Find<QLineEdit>(box)->text(), "") << box;
}

using LevelLoading = WindowTest;

TEST_F(LevelLoading, TheLoadedMessageShowsOverTheNewLevelAndTheCaptionFollowsIt) {
    auto* usage = Find<QLabel>("lblByteUsage");
    const LevelModel& level = State().Level;
    const int64_t levelAt = level.ObjectDataPos - 1, spritesAt = level.SpriteDataPos - 1;
    EditorState marked = State();
    marked.Level.ObjectBytesRoom = 999;  // marks the level on screen now
    window->Session().Apply(&Editor::Reset, marked);
    window->setWindowTitle("previous level");
    std::vector<std::string> seen;
    Prompts.OnShow = [&](const Message& message) {
        seen.push_back(message.Text + "|" + window->windowTitle().toStdString() + "|" +
                       usage->text().section('/', 1, 1).toStdString());
    };
    ASSERT_TRUE(window->LoadLevelOffset(levelAt, spritesAt));
    ASSERT_EQ(seen.size(), 1u);
    const std::string room = std::to_string(level.ObjectBytesRoom);
    EXPECT_NE(room, "999");
    EXPECT_EQ(seen[0], "Level and sprites loaded.|previous level|" + room);
    EXPECT_EQ(window->windowTitle().toStdString(),
              "0x" + Hex(uint64_t(levelAt)) + ", 0x" + Hex(uint64_t(spritesAt)) + " demo.smc - Tarnloft");
}

using MousePosition = WindowTest;

TEST_F(MousePosition, NegativeTilesShowTheWholeText) {
    auto* label = Find<QLabel>("lblMousePos");
    const QFont normal = label->parentWidget()->font();
    const struct {
        const char* Name;
        double X, Y;
        QString Text;
    } cases[] = {{"inside", 16 * 0x1A + 3, 16 * 7 + 3, "(1A,7)"},
                 {"past the left and top edges", -80, -20, "(FFFFFFFB,FFFFFFFE)"},
                 {"back inside", 3, 3, "(0,0)"}};
    EditorState origin = State();
    origin.View.H.Value = origin.View.V.Value = 0;
    window->Session().Apply(&Editor::Reset, origin);
    for (const auto& c : cases) {
        emit window->Surface()->Moved(MouseButton::None, c.X, c.Y);
        EXPECT_EQ(label->text(), c.Text) << c.Name;
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->contentsRect().width())
            << c.Name;
        EXPECT_GE(label->font().pointSizeF(), 7) << c.Name;
        if (c.Text.size() < 10) {
            EXPECT_EQ(label->font(), normal) << c.Name;
        }
    }
}

using WindowSize = WindowTest;

TEST_F(WindowSize, TheWindowKeepsItsMinimumWhoeverResizesIt) {
    // A window manager that ignores the size hints, as the program never asks below them.
    window->windowHandle()->resize(400, 200);
    QTest::qWait(50);
    EXPECT_GE(window->width(), window->minimumWidth());
    EXPECT_GE(window->height(), window->minimumHeight());
    EXPECT_GE(window->minimumWidth(), 672);
    auto* frame = Find("fraLevelInfo");
    EXPECT_LT(frame->mapTo(window, QPoint(frame->width() - 1, 0)).x(), window->width())
        << "the right-hand frames are cut off";
}

}  // namespace
