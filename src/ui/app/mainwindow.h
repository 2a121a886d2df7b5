// The main window frmLevel: builds the menus, owns the editor session and
// the dialogs, and lays out the panels. What the user does reaches the core
// Editor through the session; each panel and the surface refresh themselves
// from the session's change reports.
//
// Menu items are QActions named after their menu entries; the seven zoom
// entries share the objectName "mnuViewZoom" and carry their zoom factor as
// the dynamic property "index", as do the control arrays chkListable and
// cmdMoveScreen.
#pragma once
#include <QMainWindow>
#include <QPointer>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "edit/changereport.h"
#include "edit/wheel.h"
#include "session/editorsession.h"

class QAction;
class QKeyEvent;
class QMenu;
class QScrollBar;

namespace tarnloft {

class Prompts;
class LevelSurface;
class CataloguePanel;
class SelectionPanel;
class LevelInfoPanel;
class ScreenExitPanel;
struct LoadResult;
class AboutDialog;
class HeaderDialog;
class HexDialog;
class LevelIndexDialog;
class LevelOffsetDialog;
class LevelBrowser;
class RecentImages;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `dataFolder` holds the definition files (the program's own folder).
    MainWindow(Prompts& prompts, std::string dataFolder, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: definition files, the version warning, choosing and opening
    // an image, level 0. False when the program has to end (the prompts'
    // EndProgram has then been called).
    // With `image` (named on the command line) that image is tried first;
    // when it cannot be used, the message names it and the file dialog follows.
    bool Startup(const std::optional<std::string>& image = std::nullopt);

    // Loads a level of the open image. On failure the messages are shown and
    // the level on screen stays; returns whether the new level is shown.
    bool LoadLevelIndex(int64_t index);
    bool LoadLevelOffset(int64_t levelOffset, int64_t spriteOffset);

    EditorSession& Session() { return session_; }
    const EditorState& State() const { return session_.State(); }
    const Catalogues& Defs() const { return session_.Defs(); }
    const RomImage& Rom() const { return session_.Rom(); }
    LevelSurface* Surface() const { return surface_; }
    LevelBrowser* Browser() const;  // null until first shown

signals:
    // A save wrote the level on screen: `index` of the level table, or -1
    // for a level loaded by its offsets.
    void LevelSaved(qint64 index);
    // An image was opened and its first level is shown.
    void ImageOpened(const std::string& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    // Messages, layout, scroll bars and menu ticks of one change report.
    void ShowReport(const tarnloft::ChangeReport& report);

private:
    // mainwindow_menus.cpp
    void BuildMenus();
    void BuildFileMenu(QMenu* file);
    void BuildLevelMenu(QMenu* level);
    void BuildViewMenu(QMenu* view);
    void OpenRom();
    void SaveLevel();
    // mainwindow_save.cpp: "Save Level, Moving It If Needed".
    void SaveLevelMoving();
    void Zoom(int zoom);
    void ToggleSeparateObjects();
    void FetchBadger();
    void ShowLevelIndexDialog();
    void ShowLevelOffsetDialog();
    void ShowHeaderDialog();
    void ShowHexDialog();
    void ShowAboutDialog();
    void ShowModal(QWidget* dialog);

    // mainwindow_pictures.cpp: the level browser, the picture export and the recent images.
    void BuildPictureMenus();
    void OpenImage(const std::string& path);
    void OpenRecentImage(const std::string& path);
    void ShowLevelBrowser();
    void ExportLevelPicture();
    void ExportAllLevelPictures();

    // mainwindow_edit.cpp: the Edit menu (undo, redo, select all, clipboard).
    void BuildEditMenu();
    void ShowHistory();
    // mainwindow_clipboard.cpp
    bool CopySelection();  // false when nothing was copied
    void CutSelection();
    void PasteItems();
    // mainwindow_wheel.cpp
    void TurnWheel(const WheelTurn& turn, double x, double y);

    // mainwindow.cpp
    void BuildPanels();
    LayoutInput CurrentLayoutInput() const;
    void LayoutWindow();
    void ApplyLayout(const LayoutResult& layout);
    void SyncScrollBars();
    void ShowTicks();
    bool IsMenuShortcut(const QKeyEvent* key) const;
    bool OpenAndLoadFirstLevel(const std::string& path, bool atStartup, bool& endProgram,
                               bool nameImageInMessages = false);
    // Shows a failed load's messages (ending the program when it must); false then.
    bool LoadSucceeded(const LoadResult& result);
    // `index`: the level's row of the level table; nothing when loaded by offset.
    void AdoptLevel(LoadResult&& loaded, const std::string& caption, std::optional<int64_t> index);
    void EndProgram();

    Prompts& prompts_;
    std::string dataFolder_;
    EditorSession session_;
    int32_t badgerCount_ = 0;
    std::optional<int64_t> levelIndex_;  // the table row of the level on screen
    bool ended_ = false;

    // The client area and its panels.
    QWidget* client_ = nullptr;
    LevelSurface* surface_ = nullptr;
    QScrollBar* hscLevelPos_ = nullptr;
    QScrollBar* vscLevelPos_ = nullptr;
    CataloguePanel* catalogue_ = nullptr;
    SelectionPanel* selection_ = nullptr;
    LevelInfoPanel* levelInfo_ = nullptr;
    ScreenExitPanel* screenExits_ = nullptr;

    // Menu items whose tick follows the view.
    QAction* mnuViewCross_ = nullptr;
    QAction* mnuViewScreenExit_ = nullptr;
    QAction* mnuViewOutofbounds_ = nullptr;
    QAction* mnuViewSeperateobjects_ = nullptr;
    QAction* mnuViewSmallgrid_ = nullptr;
    QAction* mnuViewTransparent_ = nullptr;
    QAction* mnuViewStationary_ = nullptr;
    std::vector<QAction*> zoomActions_;
    QAction* mnuEditUndo_ = nullptr;
    QAction* mnuEditRedo_ = nullptr;
    QAction* mnuEditSelectAll_ = nullptr;
    QAction* mnuEditCut_ = nullptr;
    QAction* mnuEditCopy_ = nullptr;
    QAction* mnuEditPaste_ = nullptr;
    WheelAccumulator wheel_;

    // Dialogs, created on first use.
    QPointer<LevelIndexDialog> levelIndexDialog_;
    QPointer<LevelOffsetDialog> levelOffsetDialog_;
    QPointer<HeaderDialog> headerDialog_;
    QPointer<HexDialog> hexDialog_;
    QPointer<AboutDialog> aboutDialog_;
    QPointer<LevelBrowser> levelBrowser_;
    RecentImages* recentImages_ = nullptr;
};

}  // namespace tarnloft
