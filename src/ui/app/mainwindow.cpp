#include "app/mainwindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScrollBar>

#include "app/windowcaptions.h"
#include "catalogue/definitionfiles.h"
#include "level/cartridgesize.h"
#include "level/levelio.h"
#include "panels/cataloguepanel.h"
#include "panels/levelinfopanel.h"
#include "panels/screenexitpanel.h"
#include "panels/selectionpanel.h"
#include "prompts/prompts.h"
#include "surface/levelsurface.h"
#include "view/layout.h"
#include "widgets/qtstrings.h"

namespace tarnloft {

namespace {
const char* const VersionWarningTitle = "Tarnloft - RTFM";
const char* const VersionWarningText =
    "Tarnloft only supports version 1.0 (U) of Pebblecrest!\r\n"
    "Please select a ROM of this version; others will not work.";
const char* const NoRomTitle = "Tarnloft - User Error";
const char* const NoRomText = "A valid ROM must be selected to run Tarnloft.";
const char* const DefinitionErrorTitle = "Tarnloft - This is bad";
const char* const OpenErrorTitle = "Tarnloft - Cannot open ROM";

void PlaceRect(QWidget* widget, const LayoutRect& r) {
    widget->setGeometry(r.Left, r.Top, std::max(0, r.Width), std::max(0, r.Height));
}
}  // namespace

MainWindow::MainWindow(Prompts& prompts, std::string dataFolder, QWidget* parent)
    : QMainWindow(parent), prompts_(prompts), dataFolder_(std::move(dataFolder)) {
    setObjectName(QStringLiteral("frmLevel"));
    setWindowTitle(QStringLiteral("Tarnloft"));
    connect(&session_, &EditorSession::Changed, this, &MainWindow::ShowReport);
    BuildMenus();
    BuildPanels();
    BuildEditMenu();
    BuildPictureMenus();
    // One application-wide filter: Ctrl+C and Ctrl+E belong to the menu even
    // while a text box has the focus, and it also sees the client area's resizes.
    qApp->installEventFilter(this);
    // The design size is the client area below the menu bar.
    const QSize design(LayoutDesign::ClientWidth, LayoutDesign::ClientHeight);
    resize(design.width(), design.height() + menuBar()->sizeHint().height());
    layout()->activate();
    resize(size() + design - client_->size());
    layout()->activate();
    LayoutWindow();
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

void MainWindow::BuildPanels() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);

    surface_ = new LevelSurface(session_, client_);
    hscLevelPos_ = new QScrollBar(Qt::Horizontal, client_);
    hscLevelPos_->setObjectName(QStringLiteral("hscLevelPos"));
    vscLevelPos_ = new QScrollBar(Qt::Vertical, client_);
    vscLevelPos_->setObjectName(QStringLiteral("vscLevelPos"));
    for (QScrollBar* bar : {hscLevelPos_, vscLevelPos_}) {
        bar->setSingleStep(1);
        bar->setPageStep(TilesPerScreen);  // one screen
    }
    levelInfo_ = new LevelInfoPanel(session_, client_);
    selection_ = new SelectionPanel(session_, client_);
    catalogue_ = new CataloguePanel(session_, client_);
    // The Screen Exit Editor covers the object info while shown.
    screenExits_ = new ScreenExitPanel(session_, client_);
    screenExits_->raise();

    connect(surface_, &LevelSurface::Pressed, this,
            [this](MouseButton button, double x, double y, PressKeys keys) {
                session_.Apply(&Editor::PressHolding, button, x, y, keys);
            });
    connect(surface_, &LevelSurface::Moved, this,
            [this](MouseButton held, double x, double y) { session_.Apply(&Editor::Move, held, x, y); });
    connect(surface_, &LevelSurface::Released, this, [this] { session_.Apply(&Editor::Release); });
    connect(surface_, &LevelSurface::ArrowPressed, this,
            [this](ArrowDirection direction) { session_.Apply(&Editor::Arrow, direction); });
    connect(surface_, &LevelSurface::DeletePressed, this, [this] { session_.Apply(&Editor::Remove); });
    connect(surface_, &LevelSurface::EscapePressed, this,
            [this] { session_.Apply(&Editor::ReduceSelection); });
    connect(surface_, &LevelSurface::PopupLineChosen, this,
            [this](int line) { session_.Apply(&Editor::ChoosePopupLine, line); });
    connect(surface_, &LevelSurface::WheelTurned, this, &MainWindow::TurnWheel);
    connect(hscLevelPos_, &QScrollBar::valueChanged, this,
            [this](int value) { session_.Apply(&Editor::ScrollTo, true, value); });
    connect(vscLevelPos_, &QScrollBar::valueChanged, this,
            [this](int value) { session_.Apply(&Editor::ScrollTo, false, value); });
    connect(catalogue_, &CataloguePanel::ListWindowClosed, this, [this] {
        // The window is gone; the toggle follows (it was on).
        if (State().View.Toggles.SeparateObjects)
            session_.Apply(&Editor::ToggleSeparateObjects, CurrentLayoutInput());
    });
}

bool MainWindow::Startup(const std::optional<std::string>& image) {
    DefinitionLoad load = LoadDefinitionFiles(dataFolder_);
    if (!load.Ok) {
        prompts_.ShowMessage(DefinitionErrorTitle, load.Error);
        EndProgram();
        return false;
    }
    session_.SetDefs(std::move(load.Defs));
    screenExits_->FillLists();
    catalogue_->RemakeObjectList();

    prompts_.ShowMessage(VersionWarningTitle, VersionWarningText);
    bool opened = false;
    if (image) {
        bool endProgram = false;
        opened = OpenAndLoadFirstLevel(*image, true, endProgram, true);
        if (endProgram) return false;
    }
    while (!opened) {
        std::optional<std::string> path = prompts_.ChooseRomFile();
        if (!path) {
            prompts_.ShowMessage(NoRomTitle, NoRomText);
            EndProgram();
            return false;
        }
        bool endProgram = false;
        opened = OpenAndLoadFirstLevel(*path, true, endProgram);
        if (endProgram) return false;
        // The image could not be used: ask again.
    }
    LayoutWindow();
    session_.Apply(&Editor::Redraw);
    return true;
}

// Opens `path` and loads its level 0. The image on screen (if any) stays
// open and shown until the new one has loaded, so a failure changes nothing.
// `nameImageInMessages` puts the image's path before the load's messages, for
// an image that the user did not just pick in the file dialog.
bool MainWindow::OpenAndLoadFirstLevel(const std::string& path, bool atStartup, bool& endProgram,
                                       bool nameImageInMessages) {
    const QString previousCaption = windowTitle();
    setWindowTitle(ToQString(FileCaption(path)));

    RomImage probe;
    std::optional<std::string> error = probe.Open(path);
    if (!error) error = NotACartridgeImage(path, probe.Size());
    if (error) {
        prompts_.ShowMessage(OpenErrorTitle, *error);
        if (!atStartup) setWindowTitle(previousCaption);
        return false;
    }
    LoadResult result = tarnloft::LoadLevelIndex(probe, Defs(), 0);
    if (!result.Ok || result.EndProgram) {
        if (nameImageInMessages)
            for (Message& message : result.Messages) message.Text = "\"" + path + "\": " + message.Text;
        prompts_.ShowAll(result.Messages);
        if (result.EndProgram) {
            endProgram = true;
            EndProgram();
            return false;
        }
        if (!atStartup) setWindowTitle(previousCaption);
        return false;
    }
    probe.Close();
    if (std::optional<std::string> error = session_.Rom().Open(path)) {
        prompts_.ShowMessage(OpenErrorTitle, *error);
        if (!atStartup) setWindowTitle(previousCaption);
        return false;
    }
    AdoptLevel(std::move(result), LevelIndexCaption(0, FileNameOf(path)), 0);
    emit ImageOpened(path);
    return true;
}

bool MainWindow::LoadLevelIndex(int64_t index) {
    LoadResult result = tarnloft::LoadLevelIndex(session_.Rom(), Defs(), index);
    if (!LoadSucceeded(result)) return false;
    AdoptLevel(std::move(result), LevelIndexCaption(index, FileNameOf(Rom().Path())), index);
    return true;
}

bool MainWindow::LoadLevelOffset(int64_t levelOffset, int64_t spriteOffset) {
    LoadResult result = tarnloft::LoadLevelOffset(session_.Rom(), Defs(), levelOffset, spriteOffset);
    if (!LoadSucceeded(result)) return false;
    AdoptLevel(std::move(result), LevelOffsetCaption(levelOffset, spriteOffset, FileNameOf(Rom().Path())),
               std::nullopt);
    return true;
}

bool MainWindow::LoadSucceeded(const LoadResult& result) {
    if (result.Ok && !result.EndProgram) return true;
    prompts_.ShowAll(result.Messages);
    if (result.EndProgram) EndProgram();
    return false;
}

// A new level replaces the old one; zoom, scroll positions and toggles stay.
// The user sees the new level's picture and panels before its messages
// ("Level and sprites loaded."), and the caption names it after them.
void MainWindow::AdoptLevel(LoadResult&& loaded, const std::string& caption, std::optional<int64_t> index) {
    levelIndex_ = index;
    session_.Apply(&Editor::AdoptLevel, std::move(loaded.Level));
    prompts_.ShowAll(loaded.Messages);
    setWindowTitle(ToQString(caption));
}

void MainWindow::ShowReport(const ChangeReport& report) {
    prompts_.ShowAll(report.Messages);
    if (ended_) return;
    if (report.Layout) ApplyLayout(*report.Layout);
    if (report.ScrollChanged) SyncScrollBars();
    if (report.ViewChanged || report.ModeChanged) ShowTicks();
    ShowHistory();
}

void MainWindow::ShowTicks() {
    const ViewToggles& toggles = State().View.Toggles;
    mnuViewCross_->setChecked(toggles.CrossSection);
    mnuViewScreenExit_->setChecked(State().InScreenExitMode());
    mnuViewOutofbounds_->setChecked(toggles.OutOfBounds);
    mnuViewSeperateobjects_->setChecked(toggles.SeparateObjects);
    mnuViewSmallgrid_->setChecked(toggles.SmallGrid);
    mnuViewTransparent_->setChecked(toggles.Transparent);
    mnuViewStationary_->setChecked(toggles.Stationary);
    for (QAction* action : zoomActions_)
        action->setChecked(action->property("index").toInt() == State().View.Zoom);
}

LayoutInput MainWindow::CurrentLayoutInput() const {
    LayoutInput input;
    input.ClientWidth = isMinimized() ? 0 : client_->width();
    input.ClientHeight = client_->height();
    const int optionsHeight = catalogue_->Options()->height();
    input.ListOptionsHeight = optionsHeight > 0 ? optionsHeight : LayoutDesign::ListOptions.Height;
    return input;
}

void MainWindow::LayoutWindow() { session_.Apply(&Editor::Layout, CurrentLayoutInput()); }

void MainWindow::ApplyLayout(const LayoutResult& layout) {
    if (layout.Skipped) return;
    // The toolkit keeps the window from being made smaller than the layout
    // allows; resizeEvent enlarges it again when something ignores that.
    const QSize leastClient(MinimumClientWidth(State().View), LayoutDesign::MinimumHeightTest);
    client_->setMinimumSize(leastClient);
    setMinimumSize(leastClient + (size() - client_->size()).expandedTo(QSize(0, 0)));
    if (layout.ResizeWidth || layout.ResizeHeight) {
        const int extraHeight = height() - client_->height();
        const int extraWidth = width() - client_->width();
        resize((layout.ResizeWidth ? layout.NewWidth : client_->width()) + extraWidth,
               (layout.ResizeHeight ? layout.NewHeight : client_->height()) + extraHeight);
    }
    catalogue_->SetShown(layout.LeftColumnShown);
    const PanelPlacement& p = layout.Panels;
    PlaceRect(catalogue_->List(), p.ObjectList);
    PlaceRect(catalogue_->Buttons(), p.SubPanel);
    PlaceRect(surface_, p.Surface);
    PlaceRect(hscLevelPos_, p.HorizontalBar);
    PlaceRect(vscLevelPos_, p.VerticalBar);
    PlaceRect(selection_, p.ObjectInfo);
    PlaceRect(levelInfo_, p.LevelInfo);
    PlaceRect(screenExits_, p.ScreenExits);
    PlaceRect(catalogue_->Options(), p.ListOptions);
}

void MainWindow::SyncScrollBars() {
    auto sync = [](QScrollBar* bar, const ScrollBarState& state) {
        const QSignalBlocker blocker(bar);
        bar->setRange(0, std::max(0, state.Maximum));
        bar->setValue(state.Value);
        bar->setEnabled(state.Enabled);
    };
    sync(hscLevelPos_, State().View.H);
    sync(vscLevelPos_, State().View.V);
}

void MainWindow::EndProgram() {
    if (ended_) return;
    ended_ = true;
    session_.Rom().Close();
    catalogue_->HideListWindow();
    prompts_.EndProgram();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing the window ends the program at once, like "&Exit".
    EndProgram();
    event->accept();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // A window manager may ignore the minimum size; the window takes it back.
    const QSize least = minimumSize();
    if (width() < least.width() || height() < least.height()) resize(size().expandedTo(least));
}

namespace {

// The key as a shortcut would name it (the keypad's keys as the others).
QKeySequence PressedKeys(const QKeyEvent* key) {
    return QKeySequence(QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
}

// Keys a text box or a list keeps for its own text or items while it has the
// focus (select all, cut, copy, paste), though the Edit menu has them too.
bool IsOwnKeyOf(const QObject* widget, const QKeyEvent* key) {
    if (!qobject_cast<const QLineEdit*>(widget) && !qobject_cast<const QAbstractItemView*>(widget))
        return false;
    const QKeySequence pressed = PressedKeys(key);
    for (const char* own : {"Ctrl+A", "Ctrl+X", "Ctrl+Ins", "Ctrl+V", "Shift+Ins"})
        if (pressed == QKeySequence(QString::fromLatin1(own))) return true;
    return false;
}

}  // namespace

// Whether the key is the shortcut of one of the window's menu items.
bool MainWindow::IsMenuShortcut(const QKeyEvent* key) const {
    const QKeySequence pressed = PressedKeys(key);
    for (const QAction* action : findChildren<QAction*>())
        if (action->shortcuts().contains(pressed)) return true;
    return false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsOwnKeyOf(watched, key)) {
            event->accept();
            return true;
        }
        // Text boxes and lists claim some menu shortcuts for themselves
        // (Ctrl+C, Ctrl+Z, Ctrl+Y, and line edits Ctrl+E); the menu takes
        // them first, so refusing the override lets its shortcut fire.
        auto* widget = qobject_cast<QWidget*>(watched);
        if (IsMenuShortcut(key) && widget && widget->window() == this) {
            event->ignore();
            return true;
        }
    }
    if (watched == client_ && event->type() == QEvent::Resize) LayoutWindow();
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace tarnloft
