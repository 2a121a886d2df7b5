// The level browser, the picture export and the recent images: their menu
// items, placed among the others by the objectNames of their neighbours.
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

#include "app/mainwindow.h"
#include "app/recentimages.h"
#include "browser/levelbrowser.h"
#include "pictures/levelpicture.h"
#include "pictures/pictureexport.h"
#include "prompts/prompts.h"
#include "surface/levelsurface.h"
#include "util/hex.h"
#include "widgets/qtstrings.h"

namespace tarnloft {

namespace {

const char* const ExportTitle = "Tarnloft - Export Level Picture";
const char* const TilePixelsLabel = "Pixels per tile (1 to 32):";
const char* const RecentTitle = "Tarnloft - Recent Images";

// The direct child of `parent` with this objectName.
template <typename T>
T* Named(QObject* parent, const char* name) {
    return parent->findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

QAction* NewAction(QMenu* menu, const char* name, const char* caption, const char* shortcut = nullptr) {
    auto* action = new QAction(QString::fromUtf8(caption), menu);
    action->setObjectName(QString::fromLatin1(name));
    if (shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    return action;
}

}  // namespace

void MainWindow::BuildPictureMenus() {
    QMenu* main = Named<QMenu>(menuBar(), "mnuMain");
    QMenu* file = Named<QMenu>(main, "mnuFile");
    auto* recent = new QMenu(QStringLiteral("Recent &Images"), file);
    recent->setObjectName(QStringLiteral("mnuFileRecent"));
    file->insertMenu(Named<QAction>(file, "mnuFileDash2"), recent);
    recentImages_ = new RecentImages(recent, nullptr, this);
    connect(recentImages_, &RecentImages::Chosen, this, &MainWindow::OpenRecentImage);
    connect(this, &MainWindow::ImageOpened, recentImages_, &RecentImages::Add);

    QMenu* level = Named<QMenu>(main, "mnuLevel");
    QAction* before = Named<QAction>(level, "mnuDash");
    QAction* browser = NewAction(level, "mnuLevelBrowser", "Level &Browser...", "Ctrl+B");
    QAction* picture = NewAction(level, "mnuLevelExportPicture", "Export Level &Picture...");
    QAction* all = NewAction(level, "mnuLevelExportAllPictures", "Export &All Level Pictures...");
    level->insertAction(before, browser);
    level->insertSeparator(before)->setObjectName(QStringLiteral("mnuLevelDashPictures"));
    level->insertActions(before, {picture, all});
    connect(browser, &QAction::triggered, this, [this] { ShowLevelBrowser(); });
    connect(picture, &QAction::triggered, this, [this] { ExportLevelPicture(); });
    connect(all, &QAction::triggered, this, [this] { ExportAllLevelPictures(); });
}

LevelBrowser* MainWindow::Browser() const { return levelBrowser_; }

void MainWindow::OpenRecentImage(const std::string& path) {
    if (!QFileInfo::exists(FileNameToQString(path))) {
        recentImages_->Remove(path);
        prompts_.ShowMessage(RecentTitle, "\"" + path + "\" no longer exists; it was taken off the list.");
        return;
    }
    OpenImage(path);
}

void MainWindow::ShowLevelBrowser() {
    if (!levelBrowser_) {
        levelBrowser_ = new LevelBrowser(session_, this);
        connect(levelBrowser_, &LevelBrowser::LevelChosen, this,
                [this](qint64 index) { LoadLevelIndex(index); });
        // An open browser follows what is written and opened; a closed one catches up when shown.
        const auto follow = [this] {
            if (levelBrowser_->isVisible()) levelBrowser_->Refresh();
        };
        connect(this, &MainWindow::LevelSaved, levelBrowser_, follow);
        connect(this, &MainWindow::ImageOpened, levelBrowser_, follow);
    }
    levelBrowser_->show();
    levelBrowser_->raise();
    levelBrowser_->activateWindow();
    levelBrowser_->findChild<QWidget*>(QStringLiteral("txtLevelSearch"))->setFocus();
    levelBrowser_->Refresh();
}

void MainWindow::ExportLevelPicture() {
    const std::optional<int> tile = prompts_.AskNumber(ExportTitle, TilePixelsLabel, DefaultPictureTilePixels,
                                                       MinPictureTilePixels, MaxPictureTilePixels);
    if (!tile) return;
    const QString folder = QFileInfo(FileNameToQString(Rom().Path())).absolutePath();
    const std::string suggested =
        FileNameToStd(folder) + "/" +
        (levelIndex_ ? PictureFileName(static_cast<int>(*levelIndex_)) : "level.png");
    const std::optional<std::string> path = prompts_.ChoosePictureFile(suggested);
    if (!path) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QImage image = DrawLevelPicture(State().Level, Defs(), SurfaceStyle(*tile, State().View.Toggles));
    const std::optional<std::string> error =
        image.isNull() ? std::optional<std::string>("there is not enough memory for a picture of this size")
                       : SavePicture(image, *path);
    QApplication::restoreOverrideCursor();
    if (error) prompts_.ShowMessage(ExportTitle, "The picture was not saved: " + *error + ".");
}

void MainWindow::ExportAllLevelPictures() {
    const std::optional<int> tile =
        prompts_.AskNumber(ExportAllTitle, TilePixelsLabel, DefaultPictureTilePixels, MinPictureTilePixels,
                           MaxPictureTilePixels);
    if (!tile) return;
    const std::optional<std::string> folder = prompts_.ChoosePictureFolder();
    if (!folder) return;
    std::string error;
    std::shared_ptr<const ImageBytes> image = CopyImage(Rom(), error);
    if (!image) return prompts_.ShowMessage(ExportAllTitle, error);
    new PictureExportRun(std::move(image), std::make_shared<const Catalogues>(Defs()),
                         SurfaceStyle(*tile, State().View.Toggles), *folder, prompts_, this);
}

}  // namespace tarnloft
