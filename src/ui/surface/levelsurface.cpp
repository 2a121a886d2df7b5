#include "surface/levelsurface.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "session/editorsession.h"
#include "surface/qtcanvas.h"
#include "view/picturegeometry.h"
#include "view/renderer.h"
#include "view/viewport.h"
#include "widgets/qtstrings.h"

namespace tarnloft {

namespace {

// Where the popup list and the hover label wait while hidden.
constexpr int HiddenPopupTop = -512;
constexpr int HiddenToolTipTop = -32;

Qt::CursorShape CursorOf(PointerShape shape) {
    switch (shape) {
        case PointerShape::Move:
            return Qt::SizeAllCursor;
        case PointerShape::Cross:
            return Qt::CrossCursor;
        case PointerShape::SizeWE:
            return Qt::SizeHorCursor;
        case PointerShape::SizeNS:
            return Qt::SizeVerCursor;
        case PointerShape::SizeNWSE:
            return Qt::SizeFDiagCursor;
        case PointerShape::Arrow:
            break;
    }
    return Qt::ArrowCursor;
}

}  // namespace

LevelSurface::LevelSurface(const EditorSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("Level"));
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);

    popup_ = new QListWidget(this);
    popup_->setObjectName(QStringLiteral("lstPopup"));
    popup_->setGeometry(0, HiddenPopupTop, 160, 100);
    connect(popup_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit PopupLineChosen(popup_->row(item)); });

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
    connect(&session_, &EditorSession::Changed, this, &LevelSurface::ShowReport);
}

QImage& LevelSurface::Picture() {
    // The surface size of the view, which the layout also gives the widget,
    // in device pixels: twice that at a device pixel ratio of 2.
    const ViewState& view = session_.State().View;
    const QSize wanted =
        QSize(view.SurfaceWidth, view.SurfaceHeight).expandedTo(QSize(1, 1)) * PictureScale();
    if (picture_.size() != wanted) {
        picture_ = QImage(wanted, QImage::Format_RGB32);
        picture_.fill(palette().color(QPalette::Button));
    }
    return picture_;
}

int LevelSurface::PictureScale() const { return tarnloft::PictureScale(devicePixelRatioF()); }

int LevelSurface::FontSize() const { return SurfaceFontPointSize(session_.State().View.Zoom); }

MouseButton LevelSurface::ButtonOf(Qt::MouseButtons buttons) {
    if (buttons == Qt::LeftButton) return MouseButton::Left;
    if (buttons == Qt::RightButton) return MouseButton::Right;
    if (buttons == Qt::MiddleButton) return MouseButton::Middle;
    return buttons == Qt::NoButton ? MouseButton::None : MouseButton::Several;
}

void LevelSurface::Redraw() {
    QImage& picture = Picture();
    {
        const QPalette colours = palette();
        QtCanvas canvas(picture, FontSize(), colours.color(QPalette::Button),
                        colours.color(QPalette::ButtonText), PictureScale());
        canvas.SetForeColour(foreColour_);
        const EditorState& state = session_.State();
        RepaintView(canvas, state.View, state.Level, session_.Defs());
        foreColour_ = canvas.ForeColour();
    }
    update();
}

void LevelSurface::ShowReport(const ChangeReport& report) {
    if (report.PictureChanged) Redraw();
    const PointerFeedback& pointer = report.Pointer;
    if (pointer.Popup) ShowPopup(*pointer.Popup);
    if (pointer.ToolTip) ShowToolTip(*pointer.ToolTip);
    if (pointer.Shape) setCursor(CursorOf(*pointer.Shape));
}

void LevelSurface::ShowPopup(const PopupFeedback& feedback) {
    if (!feedback.Shown) {
        popup_->move(popup_->x(), HiddenPopupTop);
        return;
    }
    if (shownPopup_ != feedback.Lines) {
        popup_->clear();
        for (const PopupLine& line : feedback.Lines) {
            auto* item = new QListWidgetItem(ToCaption(line.Text), popup_);
            item->setData(Qt::UserRole, line.Index);
        }
        shownPopup_ = feedback.Lines;
        const int rows = std::min<int>(8, std::max<int>(1, popup_->count()));
        const int rowHeight = std::max(popup_->sizeHintForRow(0), 12);
        popup_->resize(std::max(120, popup_->sizeHintForColumn(0) + 24),
                       rows * rowHeight + 2 * popup_->frameWidth());
    }
    popup_->move(feedback.Left, feedback.Top);
    popup_->raise();
}

void LevelSurface::ShowToolTip(const ToolTipFeedback& tip) {
    if (tip.Caption) {
        const QString caption = ToCaption(*tip.Caption);
        if (toolTip_->text() != caption) {
            toolTip_->setText(caption);
            toolTip_->adjustSize();
        }
    }
    if (tip.Placement == ToolTipFeedback::Place::At) toolTip_->move(tip.Left, tip.Top);
    if (tip.Placement == ToolTipFeedback::Place::Hide) toolTip_->move(toolTip_->x(), HiddenToolTipTop);
}

void LevelSurface::paintEvent(QPaintEvent*) {
    // Only the picture is shown; it is redrawn when a report says so.
    // One picture pixel per device pixel, whatever the screen's density.
    QPainter painter(this);
    painter.drawImage(QRect(QPoint(0, 0), picture_.size() / PictureScale()), picture_);
}

bool LevelSurface::event(QEvent* event) {
    // On a screen of another density the picture is drawn again at its pixels.
    if (event->type() == QEvent::ScreenChangeInternal) {
        const QSize before = picture_.size();
        if (Picture().size() != before) Redraw();
    }
    return QWidget::event(event);
}

void LevelSurface::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const PressKeys keys{modifiers.testFlag(Qt::ControlModifier), modifiers.testFlag(Qt::ShiftModifier)};
    emit Pressed(ButtonOf(event->button()), event->position().x(), event->position().y(), keys);
}

void LevelSurface::mouseMoveEvent(QMouseEvent* event) {
    emit Moved(ButtonOf(event->buttons()), event->position().x(), event->position().y());
}

void LevelSurface::mouseReleaseEvent(QMouseEvent* event) {
    emit Released(ButtonOf(event->button()), event->position().x(), event->position().y());
}

void LevelSurface::wheelEvent(QWheelEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const QPoint delta = event->angleDelta();
    const WheelTurn turn{delta.x(), delta.y(), modifiers.testFlag(Qt::ShiftModifier),
                         modifiers.testFlag(Qt::ControlModifier)};
    emit WheelTurned(turn, event->position().x(), event->position().y());
    event->accept();
}

void LevelSurface::keyPressEvent(QKeyEvent* event) {
    // Keys a child (the popup list) leaves unhandled travel up to here; they
    // are not the surface's.
    if (window()->focusWidget() != this) return QWidget::keyPressEvent(event);
    switch (event->key()) {
        case Qt::Key_Delete:
            emit DeletePressed();
            break;
        case Qt::Key_Escape:
            emit EscapePressed();
            break;
        case Qt::Key_Left:
            emit ArrowPressed(ArrowDirection::Left);
            break;
        case Qt::Key_Up:
            emit ArrowPressed(ArrowDirection::Up);
            break;
        case Qt::Key_Right:
            emit ArrowPressed(ArrowDirection::Right);
            break;
        case Qt::Key_Down:
            emit ArrowPressed(ArrowDirection::Down);
            break;
        default:
            break;
    }
}

}  // namespace tarnloft
