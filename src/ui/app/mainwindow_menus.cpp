// The menu tree of the main window and the commands behind its items.
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <climits>

#include "app/mainwindow.h"
#include "dialogs/aboutdialog.h"
#include "dialogs/headerdialog.h"
#include "dialogs/hexdialog.h"
#include "dialogs/levelindexdialog.h"
#include "dialogs/leveloffsetdialog.h"
#include "dialogs/objectlistwindow.h"
#include "level/levelio.h"
#include "level/levelsave.h"
#include "panels/cataloguepanel.h"
#include "prompts/prompts.h"
#include "surface/levelsurface.h"
#include "view/layout.h"

namespace tarnloft {

namespace {

// "4x" ... "64x"; the factor the window starts with says so.
std::string ZoomCaption(int zoom) {
    return std::to_string(zoom) + "x" + (zoom == DefaultZoom ? " (Default)" : "");
}

QMenu* AddMenu(QMenu* parent, const char* name, const char* caption) {
    QMenu* menu = parent->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* AddAction(QMenu* menu, const char* name, const std::string& caption, const char* shortcut = nullptr,
                   bool checkable = false) {
    QAction* action = menu->addAction(QString::fromStdString(caption));
    action->setObjectName(QString::fromLatin1(name));
    if (shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    action->setCheckable(checkable);
    return action;
}

void AddSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

int64_t ToSigned(uint64_t value) {
    return value > static_cast<uint64_t>(INT64_MAX) ? INT64_MAX : int64_t(value);
}
}  // namespace

void MainWindow::BuildMenus() {
    QMenu* main = menuBar()->addMenu(QStringLiteral("Tarnloft"));
    main->setObjectName(QStringLiteral("mnuMain"));
    BuildFileMenu(AddMenu(main, "mnuFile", "&File"));
    BuildLevelMenu(AddMenu(main, "mnuLevel", "&Level"));
    BuildViewMenu(AddMenu(main, "mnuView", "&View"));

    QMenu* random = AddMenu(main, "mnuRandom", "&Random");
    connect(AddAction(random, "mnuRandomHex", "&Hex editor..."), &QAction::triggered, this,
            [this] { ShowHexDialog(); });
    AddSeparator(random, "mnuRandomDash1");
    connect(AddAction(random, "mnuRandomBadger", "Fetch Me A &Badger"), &QAction::triggered, this,
            [this] { FetchBadger(); });

    QMenu* help = AddMenu(main, "mnuHelp", "&Help");
    connect(AddAction(help, "mnuHelpAbout", "&About..."), &QAction::triggered, this,
            [this] { ShowAboutDialog(); });
}

void MainWindow::BuildFileMenu(QMenu* file) {
    connect(AddAction(file, "mnuFileOpen", "&Open ROM...", "Ctrl+O"), &QAction::triggered, this,
            [this] { OpenRom(); });
    AddSeparator(file, "mnuFileDash2");
    connect(AddAction(file, "mnuMainQuit", "&Exit", "Ctrl+Q"), &QAction::triggered, this,
            [this] { close(); });
}

void MainWindow::BuildLevelMenu(QMenu* level) {
    connect(AddAction(level, "mnuFileLevelIndex", "&Load Level by Index...", "Ctrl+L"), &QAction::triggered,
            this, [this] { ShowLevelIndexDialog(); });
    connect(AddAction(level, "mnuFileLevel", "(Do NOT use this) Load Level by Of&fset..."),
            &QAction::triggered, this, [this] { ShowLevelOffsetDialog(); });
    AddSeparator(level, "mnuDash");
    connect(AddAction(level, "mnuFileSave", "&Save Level", "Ctrl+S"), &QAction::triggered, this,
            [this] { SaveLevel(); });
    connect(AddAction(level, "mnuFileSaveMoving", "Save Level, &Moving It If Needed", "Ctrl+Shift+S"),
            &QAction::triggered, this, [this] { SaveLevelMoving(); });
    AddSeparator(level, "mnuDash2");
    connect(AddAction(level, "mnuLevelHeader", "Edit header...", "Ctrl+H"), &QAction::triggered, this,
            [this] { ShowHeaderDialog(); });
    AddSeparator(level, "mnuDash1");
    QMenu* clear = AddMenu(level, "mnuRandomLevelClearcheck", "Clear");
    QMenu* confirm =
        AddMenu(clear, "cmdLevelClearsuretwo", "Are you sure you want to remove all objects and sprites?");
    connect(AddAction(confirm, "mnuRandomLevelClear", "Yes, I'm sure"), &QAction::triggered, this,
            [this] { session_.Apply(&Editor::Clear); });
}

void MainWindow::BuildViewMenu(QMenu* view) {
    mnuViewCross_ = AddAction(view, "mnuViewCross", "Cross-section mode", "Ctrl+C", true);
    mnuViewScreenExit_ = AddAction(view, "mnuViewScreenExit", "Screen Exit mode", "Ctrl+E", true);
    AddSeparator(view, "mnuViewLine1");
    mnuViewOutofbounds_ = AddAction(view, "mnuViewOutofbounds", "Show area outside of level", nullptr, true);
    mnuViewSeperateobjects_ = AddAction(view, "mnuViewSeperateobjects", "Object list window", nullptr, true);
    mnuViewSmallgrid_ = AddAction(view, "mnuViewSmallgrid", "Small grid", "Ctrl+G", true);
    mnuViewTransparent_ = AddAction(view, "mnuViewTransparent", "Transparent WireBlocks", "Ctrl+W", true);
    mnuViewStationary_ = AddAction(view, "mnuViewStationary", "Stationary tooltip", "Ctrl+T", true);
    const std::pair<QAction*, ViewToggle> toggles[] = {{mnuViewCross_, ViewToggle::CrossSection},
                                                       {mnuViewSmallgrid_, ViewToggle::SmallGrid},
                                                       {mnuViewTransparent_, ViewToggle::Transparent},
                                                       {mnuViewStationary_, ViewToggle::Stationary}};
    for (const auto& [action, toggle] : toggles)
        connect(action, &QAction::triggered, this,
                [this, toggle = toggle] { session_.Apply(&Editor::Toggle, toggle); });
    connect(mnuViewScreenExit_, &QAction::triggered, this,
            [this] { session_.Apply(&Editor::ToggleScreenExitMode); });
    connect(mnuViewOutofbounds_, &QAction::triggered, this,
            [this] { session_.Apply(&Editor::ToggleOutOfBounds, CurrentLayoutInput()); });
    connect(mnuViewSeperateobjects_, &QAction::triggered, this, [this] { ToggleSeparateObjects(); });

    QMenu* zoom = AddMenu(view, "mnuViewZoomlist", "Zoom");
    auto* zoomGroup = new QActionGroup(this);
    for (const int factor : ZoomFactors) {
        QAction* action = AddAction(zoom, "mnuViewZoom", ZoomCaption(factor), nullptr, true);
        action->setProperty("index", factor);
        action->setChecked(factor == DefaultZoom);
        zoomGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, factor] { Zoom(factor); });
        zoomActions_.push_back(action);
    }
}

void MainWindow::OpenRom() {
    std::optional<std::string> path = prompts_.ChooseRomFile();
    if (path) OpenImage(*path);
}

void MainWindow::OpenImage(const std::string& path) {
    bool endProgram = false;
    if (OpenAndLoadFirstLevel(path, false, endProgram)) LayoutWindow();
}

void MainWindow::SaveLevel() {
    const SaveResult result = tarnloft::SaveLevel(session_.Rom(), Defs(), State().Level);
    prompts_.Show(result.Report);
    if (result.Ok) emit LevelSaved(levelIndex_.value_or(-1));
}

void MainWindow::Zoom(int zoom) { session_.Apply(&Editor::Zoom, zoom, CurrentLayoutInput()); }

void MainWindow::ToggleSeparateObjects() {
    const bool separate = !State().View.Toggles.SeparateObjects;
    catalogue_->ShowListWindow(separate);
    session_.Apply(&Editor::ToggleSeparateObjects, CurrentLayoutInput());
}

void MainWindow::FetchBadger() {
    // The count stops at the largest 32-bit value instead of turning negative.
    if (badgerCount_ < INT32_MAX) ++badgerCount_;
    prompts_.ShowMessage("Tarnloft - Sillyness",
                         "Badger fetched.  You now have " + std::to_string(badgerCount_) + " badgers.");
}

void MainWindow::ShowModal(QWidget* dialog) {
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void MainWindow::ShowLevelIndexDialog() {
    if (!levelIndexDialog_) {
        levelIndexDialog_ = new LevelIndexDialog(dataFolder_, prompts_, this);
        connect(levelIndexDialog_, &LevelIndexDialog::IndexChosen, this,
                [this](quint64 index) { LoadLevelIndex(ToSigned(index)); });
    }
    ShowModal(levelIndexDialog_);
}

void MainWindow::ShowLevelOffsetDialog() {
    if (!levelOffsetDialog_) {
        levelOffsetDialog_ = new LevelOffsetDialog(dataFolder_, prompts_, this);
        connect(levelOffsetDialog_, &LevelOffsetDialog::OffsetsChosen, this,
                [this](quint64 levelOffset, quint64 spriteOffset) {
                    LoadLevelOffset(ToSigned(levelOffset), ToSigned(spriteOffset));
                });
    }
    ShowModal(levelOffsetDialog_);
}

void MainWindow::ShowHeaderDialog() {
    if (!headerDialog_) {
        headerDialog_ = new HeaderDialog(session_.Rom(), prompts_, this);
        connect(headerDialog_, &HeaderDialog::Accepted, this,
                [this](const HeaderBytesArray& bytes) { session_.Apply(&Editor::SetHeader, bytes); });
    }
    headerDialog_->AcceptData(State().Level.HeaderBytes);
    ShowModal(headerDialog_);
}

void MainWindow::ShowHexDialog() {
    if (!hexDialog_) hexDialog_ = new HexDialog(session_.Rom(), prompts_, this);
    ShowModal(hexDialog_);
}

void MainWindow::ShowAboutDialog() {
    if (!aboutDialog_) aboutDialog_ = new AboutDialog(prompts_, this);
    ShowModal(aboutDialog_);
}

}  // namespace tarnloft
