// The Edit menu with undo and redo of the session's history, and the mouse
// wheel over the drawing surface.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/mainwindow.h"
#include "surface/levelsurface.h"

namespace tarnloft {

void MainWindow::BuildEditMenu() {
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    // Their captions name the step: "&Undo Move", "&Redo Create".
    QUndoStack& history = session_.History();
    mnuEditUndo_ = history.createUndoAction(edit, QStringLiteral("&Undo"));
    mnuEditUndo_->setObjectName(QStringLiteral("mnuEditUndo"));
    mnuEditUndo_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    mnuEditRedo_ = history.createRedoAction(edit, QStringLiteral("&Redo"));
    mnuEditRedo_->setObjectName(QStringLiteral("mnuEditRedo"));
    mnuEditRedo_->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    edit->addAction(mnuEditUndo_);
    edit->addAction(mnuEditRedo_);

    connect(surface_, &LevelSurface::WheelTurned, this, &MainWindow::TurnWheel);
}

void MainWindow::TurnWheel(const WheelTurn& turn, double x, double y) {
    const WheelAction action = wheel_.Take(turn);
    if (action.ZoomSteps != 0) {
        const int zoom = StepZoom(State().View.Zoom, action.ZoomSteps);
        if (zoom != State().View.Zoom) session_.Apply(&Editor::WheelZoom, zoom, x, y, CurrentLayoutInput());
    }
    if (action.Columns != 0 || action.Rows != 0)
        session_.Apply(&Editor::WheelScroll, action.Columns, action.Rows);
}

}  // namespace tarnloft
