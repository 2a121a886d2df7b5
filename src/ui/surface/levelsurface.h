// The drawing surface `Level`: a persistent picture of the level that it
// redraws when a change report says the picture changed, the popup list and
// the hover label it places from the report's pointer feedback, and signals
// for the mouse and the keys that the editor handles.
#pragma once
#include <QImage>
#include <QWidget>
#include <vector>

#include "edit/changereport.h"
#include "edit/wheel.h"
#include "util/rgb.h"

class QLabel;
class QListWidget;

namespace tarnloft {

class EditorSession;

class LevelSurface : public QWidget {
    Q_OBJECT
public:
    LevelSurface(const EditorSession& session, QWidget* parent = nullptr);

    // The persistent picture, resized (and then blank) to the surface size of
    // the view, which the layout also gives the widget, in device pixels.
    QImage& Picture();
    // Device pixels per pixel of the surface in the picture (2 at 200 %).
    int PictureScale() const;
    // Point size of the surface font for the current zoom.
    int FontSize() const;

    // The foreground colour the last redraw left; the next one starts from it.
    Rgb ForeColour() const { return foreColour_; }

    QListWidget* PopupList() const { return popup_; }
    QLabel* ToolTipLabel() const { return toolTip_; }

    // The button rule of the editor: one button is itself, several are none.
    static MouseButton ButtonOf(Qt::MouseButtons buttons);

public slots:
    // Redraws the picture and places the floating controls as the report says.
    void ShowReport(const tarnloft::ChangeReport& report);
    // Clears and redraws the whole picture from the editor's state.
    void Redraw();

signals:
    // Pointer positions in pixels of the surface, fractions kept.
    void Pressed(tarnloft::MouseButton button, double x, double y, tarnloft::PressKeys keys);
    void Moved(tarnloft::MouseButton held, double x, double y);
    void Released(tarnloft::MouseButton button, double x, double y);
    void ArrowPressed(tarnloft::ArrowDirection direction);
    void DeletePressed();
    void EscapePressed();  // reduces a selection of several items to the primary
    void PopupLineChosen(int line);
    // The mouse wheel turned with the pointer at (x, y).
    void WheelTurned(tarnloft::WheelTurn turn, double x, double y);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void ShowPopup(const PopupFeedback& popup);
    void ShowToolTip(const ToolTipFeedback& tip);

    const EditorSession& session_;
    QImage picture_;
    QListWidget* popup_;
    QLabel* toolTip_;
    std::vector<PopupLine> shownPopup_;  // what the popup list holds now
    Rgb foreColour_ = Colours::Black;
};

}  // namespace tarnloft
