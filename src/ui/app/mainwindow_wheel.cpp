// The mouse wheel over the drawing surface: scrolling by whole tiles, and
// zooming around the pointer with Ctrl.
#include "app/mainwindow.h"
#include "surface/levelsurface.h"

namespace tarnloft {

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
