// The main window frmLevel: holds the open image, the catalogues and the
// editor state, turns the user's actions into calls of the core, and shows
// the core's state on its widgets afterwards.
//
// Menu items are QActions named after their menu entries; the seven zoom
// entries share the objectName "mnuViewZoom" and carry their zoom factor as
// the dynamic property "index", as do the control arrays chkListable and
// cmdMoveScreen.
#pragma once
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/cataloguelist.h"
#include "catalogue/catalogues.h"
#include "edit/editorstate.h"
#include "level/header.h"
#include "rom/romimage.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QScrollBar;

namespace tarnloft {

class Prompts;
class LevelSurface;
class AboutDialog;
class HeaderDialog;
class HexDialog;
class LevelIndexDialog;
class LevelOffsetDialog;
class ObjectListWindow;
struct LayoutResult;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `dataFolder` holds the definition files (the program's own folder).
    MainWindow(Prompts& prompts, std::string dataFolder, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: zoom, definition files, the version warning, choosing and
    // opening an image, level 0. False when the program has to end (the
    // prompts' EndProgram has then been called).
    bool Startup();

    // Loads a level of the open image. On failure the messages are shown and
    // the level on screen stays; returns whether the new level is shown.
    bool LoadLevelIndex(int64_t index);
    bool LoadLevelOffset(int64_t levelOffset, int64_t spriteOffset);

    // Rebuilds lstObjects (and the separate window's copy) from the catalogues,
    // the check boxes and the filter text.
    void RemakeObjectList();
    // Clears and redraws the level picture, then refreshes the side panels.
    void RepaintView();
    // Takes over edited header bytes; they reach the image with the next save.
    void ResetHeader(const HeaderBytesArray& bytes);

    const EditorState& State() const { return state_; }
    EditorState& MutableState() { return state_; }
    const Catalogues& Defs() const { return defs_; }
    const RomImage& Rom() const { return rom_; }
    int32_t BadgerCount() const { return badgerCount_; }
    LevelSurface* Surface() const { return surface_; }
    // Point size of the surface font for the current zoom.
    int SurfaceFontSize() const { return surfaceFontSize_; }

    // Carries out what an editing operation asks for: messages, scroll bars,
    // repaint, and the surface's popup, hover label and pointer shape.
    void ApplyOutcome(const EditOutcome& outcome);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // mainwindow_menus.cpp
    void BuildMenus();
    QAction* AddAction(QMenu* menu, const char* name, const char* caption, const char* shortcut = nullptr,
                       bool checkable = false);
    void AddSeparator(QMenu* menu, const char* name);
    void OpenRom();
    void SaveLevel();
    void Quit();
    void Zoom(int zoom);
    void ToggleView(bool ViewToggles::*toggle, QAction* action);
    void ToggleOutOfBounds();
    void ToggleSeparateObjects();
    void ToggleScreenExitMode();
    void ClearLevel();
    void FetchBadger();
    void ShowLevelIndexDialog();
    void ShowLevelOffsetDialog();
    void ShowHeaderDialog();
    void ShowHexDialog();
    void ShowAboutDialog();
    void ShowModal(QWidget* dialog);
    ObjectListWindow* EnsureObjectListWindow();

    // mainwindow_panels.cpp
    void BuildPanels();
    QGroupBox* AddFrame(const char* name, const char* caption);
    QLabel* AddLabel(QWidget* parent, const char* name, const char* caption, int left, int top, int width,
                     int height);
    QPushButton* AddButton(QWidget* parent, const char* name, const char* caption, int left, int top,
                           int width, int height);
    QLineEdit* AddTextBox(QWidget* parent, const char* name, int left, int top, int width, int height);
    void LayoutWindow();
    void ApplyLayout(const LayoutResult& layout);
    void SyncScrollBars();
    void SyncSurfaceControls();
    void SyncScreenExitFrame();
    void ShowSelectionInfo();
    void ShowScreenExitInfo();
    void FillExitLists();
    // Refills the separate list window (when it exists) with the texts of lstObjects.
    void MirrorObjectList();

    // mainwindow_edit.cpp
    void ConnectEditing();
    void ScrollBarMoved(bool horizontal, int value);
    void SurfaceKey(int qtKey);
    void CreateClicked();
    void RemoveClicked();
    void ExitFieldEdited(int field, const QString& text);
    std::optional<int> SelectedCatalogueValue() const;

    // mainwindow.cpp
    bool OpenAndLoadFirstLevel(const std::string& path, bool atStartup, bool& endProgram);
    void AdoptLevel(LevelModel&& level, const std::string& caption);
    void EndProgram();

    Prompts& prompts_;
    std::string dataFolder_;
    RomImage rom_;
    Catalogues defs_;
    EditorState state_;
    int32_t badgerCount_ = 0;
    int surfaceFontSize_ = 6;
    bool ended_ = false;

    // Widgets.
    QWidget* client_ = nullptr;
    LevelSurface* surface_ = nullptr;
    QScrollBar* hscLevelPos_ = nullptr;
    QScrollBar* vscLevelPos_ = nullptr;
    std::map<std::string, QWidget*> placed_;  // controls moved by the layout pass
    QGroupBox* fraLevelInfo_ = nullptr;
    QGroupBox* fraObjectInfo_ = nullptr;
    QGroupBox* fraSubPanel_ = nullptr;
    QGroupBox* fraListOptions_ = nullptr;
    QGroupBox* fraScreenExits_ = nullptr;
    QLabel* lblByteUsage_ = nullptr;
    QLabel* lblSByteUsage_ = nullptr;
    QLabel* lblMousePos_ = nullptr;
    QLabel* lblObjectInfo_ = nullptr;
    QLabel* lblByteUsage2_ = nullptr;
    QPushButton* cmdObjectPrev_ = nullptr;
    QPushButton* cmdObjectNext_ = nullptr;
    QPushButton* cmdGotoObject_ = nullptr;
    QPushButton* cmdAddObject_ = nullptr;
    QPushButton* cmdRemoveObject_ = nullptr;
    QListWidget* lstObjects_ = nullptr;
    std::array<QCheckBox*, 3> chkListable_{};
    QLineEdit* txtFilter_ = nullptr;
    std::array<QPushButton*, 4> cmdMoveScreen_{};
    QLineEdit* txtEntranceX_ = nullptr;
    QLineEdit* txtEntranceY_ = nullptr;
    QLineEdit* txtEntranceType_ = nullptr;
    QLineEdit* txtExitDestination_ = nullptr;
    QListWidget* lstEntranceTypes_ = nullptr;
    QListWidget* lstDestinationLevels_ = nullptr;
    QPushButton* cmdScreenPrev_ = nullptr;
    QPushButton* cmdScreenGoto_ = nullptr;
    QPushButton* cmdScreenNext_ = nullptr;

    // Menu items the window reads or checks.
    QAction* mnuViewCross_ = nullptr;
    QAction* mnuViewScreenExit_ = nullptr;
    QAction* mnuViewOutofbounds_ = nullptr;
    QAction* mnuViewSeperateobjects_ = nullptr;
    QAction* mnuViewSmallgrid_ = nullptr;
    QAction* mnuViewTransparent_ = nullptr;
    QAction* mnuViewStationary_ = nullptr;
    std::vector<QAction*> zoomActions_;

    // What the surface's floating controls show now, to skip needless updates.
    std::vector<PopupLine> shownPopup_;

    // Dialogs, created on first use.
    QPointer<LevelIndexDialog> levelIndexDialog_;
    QPointer<LevelOffsetDialog> levelOffsetDialog_;
    QPointer<HeaderDialog> headerDialog_;
    QPointer<HexDialog> hexDialog_;
    QPointer<AboutDialog> aboutDialog_;
    QPointer<ObjectListWindow> objectListWindow_;
};

}  // namespace tarnloft
