// What the main window shows the user: the exit editor covering what lies
// beneath it, texts that follow the level on screen, and its least size.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QWindow>
#include <functional>

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

}  // namespace

TEST(ScreenExitFrame, CoversTheObjectInfoBeneathItEnabledOrNot) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    MainWindow* window = w.Window.get();
    auto* frame = Find<QWidget>(window, "fraScreenExits");
    // Left of the "^" button and above "Move Exit:": nothing of the frame's own is drawn here.
    const QRect empty(8, 22, 80, 20);
    ASSERT_FALSE(Find<QLabel>(window, "lblObjectInfo")->text().isEmpty());
    ASSERT_FALSE(Plain(window, frame, empty)) << "the object info text lies beneath the empty area";
    Find<QAction>(window, "mnuViewScreenExit")->trigger();
    ASSERT_TRUE(frame->isVisible());
    for (bool enabled : {true, false}) {
        frame->setEnabled(enabled);
        EXPECT_TRUE(Plain(window, frame, empty)) << "enabled " << enabled;
    }
}

TEST(ScreenExitFrame, ByteCountFollowsALevelWithoutExits) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    MainWindow* window = w.Window.get();
    auto* usage = Find<QLabel>(window, "lblByteUsage2");
    // A level with an exit, one byte over its budget.
    EditorState withExit = window->State();
    LevelModel& level = withExit.Level;
    level.ScreenExits = {ScreenExit{1, 2, 3, 4, 5, 6}};
    level.SelectedScreenExit = 0;
    level.ObjectBytesRoom = MeasureObjectBytes(window->Defs(), level) - 1;
    window->Session().Apply(&Editor::Reset, withExit);
    const int64_t used = window->State().Level.ObjectBytesUsed;
    EXPECT_EQ(usage->text().toStdString(), std::to_string(used) + "/" + std::to_string(used - 1));
    // The next level has no exits: the boxes stay, the count is the new level's.
    LevelModel next = window->State().Level;
    next.ScreenExits.clear();
    next.SelectedScreenExit = -1;
    next.ObjectBytesRoom = 95 + 100;
    window->Session().Apply(&Editor::AdoptLevel, next);
    EXPECT_EQ(usage->text().toStdString(), std::to_string(used - 5) + "/195");
    EXPECT_EQ(usage->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(Find<QLineEdit>(window, "txtExitDestination")->text(), "3");
}

TEST(LevelLoading, TheLoadedMessageShowsOverTheNewLevelAndTheCaptionFollowsIt) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    MainWindow* window = w.Window.get();
    auto* usage = Find<QLabel>(window, "lblByteUsage");
    const LevelModel& level = window->State().Level;
    const int64_t levelAt = level.ObjectDataPos - 1, spritesAt = level.SpriteDataPos - 1;
    EditorState marked = window->State();
    marked.Level.ObjectBytesRoom = 999;  // marks the level on screen now
    window->Session().Apply(&Editor::Reset, marked);
    window->setWindowTitle("previous level");
    std::vector<std::string> seen;
    w.Prompts.OnShow = [&](const Message& message) {
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

TEST(MousePosition, NegativeTilesShowTheWholeText) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    MainWindow* window = w.Window.get();
    auto* label = Find<QLabel>(window, "lblMousePos");
    const QFont normal = label->parentWidget()->font();
    const struct {
        const char* Name;
        double X, Y;
        QString Text;
    } cases[] = {{"inside", 16 * 0x1A + 3, 16 * 7 + 3, "(1A,7)"},
                 {"past the left and top edges", -80, -20, "(FFFFFFFB,FFFFFFFE)"},
                 {"back inside", 3, 3, "(0,0)"}};
    EditorState origin = window->State();
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

TEST(WindowSize, TheWindowKeepsItsMinimumWhoeverResizesIt) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    MainWindow* window = w.Window.get();
    const struct {
        const char* Name;
        std::function<void()> Shrink;
    } cases[] = {
        {"the program", [window] { window->resize(400, 200); }},
        {"a window manager ignoring the hints", [window] { window->windowHandle()->resize(400, 200); }}};
    for (const auto& c : cases) {
        c.Shrink();
        QTest::qWait(50);
        EXPECT_GE(window->width(), window->minimumWidth()) << c.Name;
        EXPECT_GE(window->height(), window->minimumHeight()) << c.Name;
        EXPECT_GE(window->minimumWidth(), 672) << c.Name;
        auto* frame = Find<QWidget>(window, "fraLevelInfo");
        EXPECT_LT(frame->mapTo(window, QPoint(frame->width() - 1, 0)).x(), window->width())
            << c.Name << " cuts off the right-hand frames";
        window->resize(845, 600);
        QTest::qWait(50);
    }
}
