#include "app/mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPalette>

#include "prompts/prompts.h"
#include "catalogue/definitionfiles.h"
#include "dialogs/aboutdialog.h"
#include "dialogs/headerdialog.h"
#include "dialogs/hexdialog.h"
#include "dialogs/levelindexdialog.h"
#include "dialogs/leveloffsetdialog.h"
#include "dialogs/objectlistwindow.h"
#include "level/levelio.h"
#include "view/layout.h"
#include "surface/levelsurface.h"
#include "surface/qtcanvas.h"
#include "view/renderer.h"
#include "view/viewport.h"

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

std::string FileCaption(const std::string& path) { return FileNameOf(path) + " - Tarnloft"; }

QString ToQString(const std::string& text) { return QString::fromLocal8Bit(text.c_str()); }
}  // namespace

MainWindow::MainWindow(Prompts& prompts, std::string dataFolder, QWidget* parent)
    : QMainWindow(parent), prompts_(prompts), dataFolder_(std::move(dataFolder)) {
    setObjectName(QStringLiteral("frmLevel"));
    setWindowTitle(QStringLiteral("Tarnloft"));
    BuildMenus();
    BuildPanels();
    ConnectEditing();
    // One application-wide filter: Ctrl+C and Ctrl+E belong to the menu even
    // while a text box has the focus, and it also sees the client area's
    // resizes and the filter box's key releases.
    qApp->installEventFilter(this);
    // The design size is the client area below the menu bar.
    const QSize design(LayoutDesign::ClientWidth, LayoutDesign::ClientHeight);
    resize(design.width(), design.height() + menuBar()->sizeHint().height());
    layout()->activate();
    resize(size() + design - client_->size());
    layout()->activate();
    LayoutWindow();
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    // The separate list window is a top-level window of its own.
    delete objectListWindow_;
}

bool MainWindow::Startup() {
    ZoomTo(state_.View, 16);
    surfaceFontSize_ = SurfaceFontPointSize(state_.View.Zoom);

    DefinitionLoad load = LoadDefinitionFiles(dataFolder_);
    if (!load.Ok) {
        prompts_.ShowMessage(DefinitionErrorTitle, load.Error);
        EndProgram();
        return false;
    }
    defs_ = std::move(load.Defs);
    FillExitLists();
    RemakeObjectList();

    prompts_.ShowMessage(VersionWarningTitle, VersionWarningText);
    for (;;) {
        std::optional<std::string> path = prompts_.ChooseRomFile();
        if (!path) {
            prompts_.ShowMessage(NoRomTitle, NoRomText);
            EndProgram();
            return false;
        }
        bool endProgram = false;
        if (OpenAndLoadFirstLevel(*path, true, endProgram)) break;
        if (endProgram) return false;
        // The image could not be used: ask again.
    }
    LayoutWindow();
    RepaintView();
    return true;
}

// Opens `path` and loads its level 0. The image on screen (if any) stays
// open and shown until the new one has loaded, so a failure changes nothing.
bool MainWindow::OpenAndLoadFirstLevel(const std::string& path, bool atStartup, bool& endProgram) {
    const QString previousCaption = windowTitle();
    setWindowTitle(ToQString(FileCaption(path)));

    RomImage probe;
    if (std::optional<std::string> error = probe.Open(path)) {
        prompts_.ShowMessage(OpenErrorTitle, *error);
        if (!atStartup) setWindowTitle(previousCaption);
        return false;
    }
    LoadResult result = tarnloft::LoadLevelIndex(probe, defs_, 0);
    prompts_.ShowAll(result.Messages);
    if (result.EndProgram) {
        endProgram = true;
        EndProgram();
        return false;
    }
    if (!result.Ok) {
        if (!atStartup) setWindowTitle(previousCaption);
        return false;
    }
    probe.Close();
    if (std::optional<std::string> error = rom_.Open(path)) {
        prompts_.ShowMessage(OpenErrorTitle, *error);
        if (!atStartup) setWindowTitle(previousCaption);
        return false;
    }
    AdoptLevel(std::move(result.Level), LevelIndexCaption(0, FileNameOf(path)));
    return true;
}

bool MainWindow::LoadLevelIndex(int64_t index) {
    LoadResult result = tarnloft::LoadLevelIndex(rom_, defs_, index);
    prompts_.ShowAll(result.Messages);
    if (result.EndProgram) {
        EndProgram();
        return false;
    }
    if (!result.Ok) return false;
    AdoptLevel(std::move(result.Level), LevelIndexCaption(index, FileNameOf(rom_.Path())));
    return true;
}

bool MainWindow::LoadLevelOffset(int64_t levelOffset, int64_t spriteOffset) {
    LoadResult result = tarnloft::LoadLevelOffset(rom_, defs_, levelOffset, spriteOffset);
    prompts_.ShowAll(result.Messages);
    if (result.EndProgram) {
        EndProgram();
        return false;
    }
    if (!result.Ok) return false;
    AdoptLevel(std::move(result.Level),
               LevelOffsetCaption(levelOffset, spriteOffset, FileNameOf(rom_.Path())));
    return true;
}

// A new level replaces the old one; zoom, scroll positions and toggles stay.
void MainWindow::AdoptLevel(LevelModel&& level, const std::string& caption) {
    state_.Level = std::move(level);
    // Popup lines name entries of the level that was on screen.
    state_.Popup.Lines.clear();
    state_.Popup.Top = HiddenPopupTop;
    setWindowTitle(ToQString(caption));
    RebuildVisibleList(state_.View, state_.Level);
    RepaintView();
    SyncSurfaceControls();
}

void MainWindow::RepaintView() {
    QImage& picture = surface_->Picture();
    {
        const QPalette palette = surface_->palette();
        QtCanvas canvas(picture, surfaceFontSize_, palette.color(QPalette::Button),
                        palette.color(QPalette::ButtonText));
        tarnloft::RepaintView(canvas, state_.View, state_.Level, defs_);
    }
    surface_->update();
    ShowSelectionInfo();
    ShowScreenExitInfo();
}

void MainWindow::ResetHeader(const HeaderBytesArray& bytes) { state_.Level.HeaderBytes = bytes; }

void MainWindow::EndProgram() {
    if (ended_) return;
    ended_ = true;
    rom_.Close();
    if (objectListWindow_) objectListWindow_->hide();
    prompts_.EndProgram();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing the window ends the program at once, like "&Exit".
    EndProgram();
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // Text boxes and lists claim Ctrl+C (and line edits Ctrl+E) for
        // themselves; refusing the override lets the menu shortcut fire.
        auto* key = static_cast<QKeyEvent*>(event);
        const bool ctrlOnly = (key->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (ctrlOnly && (key->key() == Qt::Key_C || key->key() == Qt::Key_E) && widget &&
            widget->window() == this) {
            event->ignore();
            return true;
        }
    }
    if (watched == client_ && event->type() == QEvent::Resize) LayoutWindow();
    if (watched == txtFilter_ && event->type() == QEvent::KeyRelease) {
        // Every key released in the filter box rebuilds the list, changed text or not.
        RemakeObjectList();
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace tarnloft
