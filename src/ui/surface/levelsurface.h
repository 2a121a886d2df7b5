// The drawing surface `Level`: shows a persistent picture that only the
// repaint sequence rebuilds, reports mouse and key events to its owner, and
// carries the popup list and the hover label.
#pragma once
#include <QImage>
#include <QWidget>
#include <functional>

#include "edit/editorstate.h"

class QLabel;
class QListWidget;

namespace tarnloft {

class LevelSurface : public QWidget {
    Q_OBJECT
public:
    explicit LevelSurface(QWidget* parent = nullptr);

    // The persistent picture, resized (and then blank) to the widget's size.
    QImage& Picture();

    QListWidget* PopupList() const { return popup_; }
    QLabel* ToolTipLabel() const { return toolTip_; }

    // Pointer position in pixels of the surface, fractions kept.
    std::function<void(MouseButton, double, double)> OnPress;
    std::function<void(MouseButton, double, double)> OnMove;
    std::function<void(MouseButton, double, double)> OnRelease;
    // Every key that goes down while the surface has the focus, unchanged.
    std::function<void(QKeyEvent*)> OnKey;
    // Asked for when the picture no longer matches the widget (after a resize).
    std::function<void()> OnRepaintNeeded;

    // The button rule of the editor: one button is itself, several are none.
    static MouseButton ButtonOf(Qt::MouseButtons buttons);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QImage picture_;
    QListWidget* popup_;
    QLabel* toolTip_;
};

}  // namespace tarnloft
