#include "surface/levelsurface.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>

#include "surface/qtcanvas.h"

namespace tarnloft {

LevelSurface::LevelSurface(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Level"));
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);

    popup_ = new QListWidget(this);
    popup_->setObjectName(QStringLiteral("lstPopup"));
    popup_->setGeometry(0, HiddenPopupTop, 160, 100);

    toolTip_ = new QLabel(this);
    toolTip_->setObjectName(QStringLiteral("lblToolTip"));
    QFont font = QtCanvas::SurfaceFont(6);
    toolTip_->setFont(font);
    QPalette palette = toolTip_->palette();
    palette.setColor(QPalette::Window, QColor(255, 224, 192));
    palette.setColor(QPalette::WindowText, Qt::black);
    toolTip_->setPalette(palette);
    toolTip_->setAutoFillBackground(true);
    // The label follows the pointer; it must never take the pointer's events
    // away from the surface.
    toolTip_->setAttribute(Qt::WA_TransparentForMouseEvents);
    toolTip_->move(0, HiddenToolTipTop);
}

QImage& LevelSurface::Picture() {
    if (picture_.size() != size()) {
        picture_ = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        picture_.fill(palette().color(QPalette::Button));
    }
    return picture_;
}

MouseButton LevelSurface::ButtonOf(Qt::MouseButtons buttons) {
    if (buttons == Qt::LeftButton) return MouseButton::Left;
    if (buttons == Qt::RightButton) return MouseButton::Right;
    if (buttons == Qt::MiddleButton) return MouseButton::Middle;
    return buttons == Qt::NoButton ? MouseButton::None : MouseButton::Several;
}

void LevelSurface::paintEvent(QPaintEvent*) {
    if (picture_.size() != size() && OnRepaintNeeded) OnRepaintNeeded();
    QPainter painter(this);
    painter.drawImage(0, 0, Picture());
}

void LevelSurface::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (OnPress) OnPress(ButtonOf(event->button()), event->position().x(), event->position().y());
}

void LevelSurface::mouseMoveEvent(QMouseEvent* event) {
    if (OnMove) OnMove(ButtonOf(event->buttons()), event->position().x(), event->position().y());
}

void LevelSurface::mouseReleaseEvent(QMouseEvent* event) {
    if (OnRelease) OnRelease(ButtonOf(event->button()), event->position().x(), event->position().y());
}

void LevelSurface::keyPressEvent(QKeyEvent* event) {
    if (OnKey) OnKey(event);
}

}  // namespace tarnloft
