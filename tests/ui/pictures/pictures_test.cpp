// The level browser, the picture export, drawing at a device pixel ratio of
// 2, the recent images and tarnloft-pictures, on the demo image.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressDialog>
#include <QSettings>
#include <sstream>

#include "browser/levelbrowser.h"
#include "pictures/levelpicture.h"
#include "picturestool.h"
#include "surface/qtcanvas.h"
#include "uitestsupport.h"

using namespace uitest;

using PictureExport = WindowTest;
using LevelBrowserWindow = WindowTest;

namespace {

QImage IconImage(const QListWidgetItem* item) { return item->icon().pixmap(QSize(512, 256)).toImage(); }

}  // namespace

TEST_F(PictureExport, OneLevelAtTheChosenTileSizeWithItsObjectInItsColour) {
    EditorState state = window->State();
    state.Level.LevelObjects = {LevelObject{0x09, 0, 10, 10, 4, 3, false}};
    state.Level.ScreenExits.clear();
    window->Session().Apply(&Editor::Reset, state);
    const QString path = Image.Folder() + "/one.png";
    Prompts.NumberAnswers = {4};
    Prompts.PictureAnswers = {path.toStdString()};
    Find<QAction>(window, "mnuLevelExportPicture")->trigger();
    const QImage picture(path);
    ASSERT_EQ(picture.size(), QSize(1024, 512)) << Prompts.Last().Text;
    const Rgb colour = window->Defs().ObjectDefs[0x09].Colour;
    EXPECT_EQ(picture.pixelColor(10 * 4 + 2, 13 * 4 - 2), QColor(colour.R, colour.G, colour.B));
    Prompts.NumberAnswers = {4};  // the file dialog cancelled: nothing written, nothing said
    const size_t shown = Prompts.Shown.size();
    Find<QAction>(window, "mnuLevelExportPicture")->trigger();
    EXPECT_EQ(Prompts.Shown.size(), shown);
}

TEST_F(PictureExport, AllLevelsIntoAFolderWithOneReportAtTheEnd) {
    const QString folder = Image.Folder() + "/all";
    QDir().mkpath(folder);
    Prompts.NumberAnswers = {1};
    Prompts.PictureAnswers = {folder.toStdString()};
    Find<QAction>(window, "mnuLevelExportAllPictures")->trigger();
    EXPECT_NE(Find<QProgressDialog>(window, "frmExportPictures"), nullptr);
    QTRY_COMPARE_WITH_TIMEOUT(Prompts.Last().Title, std::string("Tarnloft - Export All Level Pictures"),
                              30000);
    EXPECT_EQ(Prompts.Last().Text, "wrote 256 of 256 pictures");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 256);
    EXPECT_EQ(QImage(folder + "/level-FF.png").size(), QSize(256, 128));
}

TEST(PictureScale, AtRatioTwoThinLinesStayOneDevicePixel) {
    QImage image(128, 128, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QtCanvas canvas(image, 6, Qt::white, Qt::black, 2);
        canvas.Line(0, 10, 60, 10);
        canvas.SetFillColour(Rgb{200, 100, 50});
        canvas.Box(30, 30, 50, 40);
    }
    const QColor ink(Qt::black), paper(Qt::white), fill(200, 100, 50);
    EXPECT_EQ(image.pixelColor(50, 20), ink);
    EXPECT_EQ(image.pixelColor(50, 19), paper);
    EXPECT_EQ(image.pixelColor(50, 21), paper);
    EXPECT_EQ(image.pixelColor(121, 20), paper);  // ends at 2 x 60
    EXPECT_EQ(image.pixelColor(60, 70), ink);     // the box's outline, one pixel
    EXPECT_EQ(image.pixelColor(61, 71), fill);
    EXPECT_EQ(image.pixelColor(99, 79), fill);
    EXPECT_EQ(image.pixelColor(99, 80), ink);
    const QImage twice = DrawLevelPicture(LevelModel{}, Catalogues{}, SurfaceStyle(2, {}, 2));
    EXPECT_EQ(twice.size(), QSize(1024, 512));
    EXPECT_EQ(twice.devicePixelRatio(), 2.0);
}

TEST_F(LevelBrowserWindow, FiltersLoadsAndFollowsASave) {
    Find<QAction>(window, "mnuLevelBrowser")->trigger();
    LevelBrowser* browser = window->Browser();
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->objectName(), "frmLevelBrowser");
    auto* search = Find<QLineEdit>(browser, "txtLevelSearch");
    auto* list = Find<QListWidget>(browser, "lstLevelBrowser");
    QTRY_VERIFY(search->hasFocus());
    QTRY_VERIFY_WITH_TIMEOUT(browser->Idle(), 30000);
    ASSERT_EQ(list->count(), 256);
    QListWidgetItem* level1A = list->item(0x1A);
    const QImage before = IconImage(level1A);

    search->setText(QString::fromStdString(window->Defs().LevelNames[0x1A]));
    int shown = 0;
    for (int i = 0; i < list->count(); ++i) shown += list->item(i)->isHidden() ? 0 : 1;
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(level1A->isHidden());
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(window->windowTitle(), "Level 1A demo.smc - Tarnloft");

    window->Session().Apply(&Editor::Remove);
    Find<QAction>(window, "mnuFileSave")->trigger();
    ASSERT_EQ(Prompts.Last().Text, "Level saved succesfully.");
    QTRY_VERIFY_WITH_TIMEOUT(browser->Idle() && IconImage(level1A) != before, 30000);
    browser->close();  // stops whatever is running
}

TEST(RecentImages, NewestFirstEightAtMostAndMissingOnesTakenOff) {
    QSettings("tarnloft", "tarnloft").setValue("RecentImages", QStringList{"/nonexistent/gone.smc"});
    struct {
        RecordingPrompts Prompts;
        DemoImage Image;
        std::unique_ptr<MainWindow> Window;
    } w;
    if (!w.Image.Ok()) GTEST_SKIP() << "the demo image generator is missing or failed";
    w.Window = std::make_unique<MainWindow>(w.Prompts, DataFolder());
    w.Prompts.FileAnswers.push_back(w.Image.Path());
    ASSERT_TRUE(w.Window->Startup());
    auto* menu = Find<QMenu>(w.Window.get(), "mnuFileRecent");
    ASSERT_EQ(menu->title(), "Recent &Images");
    const QList<QAction*> file = Find<QMenu>(w.Window.get(), "mnuFile")->actions();
    EXPECT_EQ(file.indexOf(menu->menuAction()),
              file.indexOf(Find<QAction>(w.Window.get(), "mnuFileOpen")) + 1);
    auto entries = [menu] {
        QStringList texts;
        for (QAction* action : menu->actions()) texts << action->text();
        return texts;
    };
    const QString demo = QString::fromStdString(w.Image.Path());
    ASSERT_EQ(entries(), (QStringList{"&1 " + demo, "&2 /nonexistent/gone.smc"}));

    menu->actions().at(1)->trigger();
    QTRY_COMPARE(entries(), QStringList{"&1 " + demo});
    EXPECT_EQ(w.Prompts.Last().Title, "Tarnloft - Recent Images");
    EXPECT_NE(w.Prompts.Last().Text.find("/nonexistent/gone.smc"), std::string::npos);

    for (int i = 0; i < 9; ++i) {
        const QString copy = w.Image.Folder() + QString("/copy%1.smc").arg(i);
        QFile::copy(demo, copy);
        w.Prompts.FileAnswers.push_back(copy.toStdString());
        Find<QAction>(w.Window.get(), "mnuFileOpen")->trigger();
    }
    ASSERT_EQ(entries().size(), 8);
    EXPECT_TRUE(entries().front().endsWith("/copy8.smc"));
    EXPECT_TRUE(entries().back().endsWith("/copy1.smc"));
    menu->actions().back()->trigger();
    QTRY_COMPARE(w.Window->windowTitle(), QString("Level 0 copy1.smc - Tarnloft"));
    EXPECT_TRUE(entries().front().endsWith("/copy1.smc"));
}

TEST(PicturesTool, DrawsTheDemoLevelsAndRefusesBadInput) {
    DemoImage image;
    if (!image.Ok()) GTEST_SKIP() << "the demo image generator is missing or failed";
    const std::string folder = image.Folder().toStdString(), out = folder + "/pictures";
    const auto write = [&folder](const char* name, const QByteArray& bytes) {
        QFile file(QString::fromStdString(folder + "/" + name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName().toStdString();
    };
    testimage::Image bytes = image.Bytes();
    bytes[testimage::TableRow(0) + 2] = 0x7F;  // level 0's object pointer leads into no ROM
    const std::string broken = write("broken.smc", QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                                              int(bytes.size()))),
                      tiny = write("tiny.smc", QByteArray(1024, 0));
    // clang-format off
    const struct { std::vector<std::string> Args; int Status; const char* Last; } cases[] = {
        {{image.Path(), out, "--levels", "2", "--tile", "1"}, 0, "wrote 2 of 2 pictures"},
        {{broken, folder + "/more", "--levels", "2"},                      1, "level 0: the object data pointer 7F"},
        {{tiny, out},                                         2, "is not a cartridge image"},
        {{"/nonexistent/game.smc", out},                      2, "/nonexistent/game.smc: No such file"},
        {{image.Path(), out, "--tile", "33"},                 2, "--tile takes a number from 1 to 32"},
        {{image.Path(), out, "--data", "/nonexistent"},       2, "O5Data.dat"},
        {{image.Path()},                                      2, "an image and a folder"},
    };
    // clang-format on
    for (const auto& c : cases) {
        std::ostringstream stdOut, stdErr;
        EXPECT_EQ(RunPicturesTool(c.Args, DataFolder(), stdOut, stdErr), c.Status) << c.Last;
        EXPECT_NE((stdOut.str() + stdErr.str()).find(c.Last), std::string::npos)
            << stdOut.str() << stdErr.str();
    }
    EXPECT_EQ(QImage(QString::fromStdString(out + "/level-01.png")).size(), QSize(256, 128));
}
