// Editing from the main window: the surface's mouse and keys, the scroll
// bars, the object buttons, the catalogue list options and the Screen Exit
// Editor. Each handler calls the core and then shows the outcome.
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "app/mainwindow.h"
#include "prompts/prompts.h"
#include "edit/commands.h"
#include "edit/mouse.h"
#include "edit/screenexits.h"
#include "surface/levelsurface.h"
#include "view/viewport.h"

namespace tarnloft {

void MainWindow::ConnectEditing() {
    surface_->OnPress = [this](MouseButton button, double x, double y) {
        ApplyOutcome(MousePress(state_, defs_, button, x, y));
    };
    surface_->OnMove = [this](MouseButton held, double x, double y) {
        ApplyOutcome(MouseMove(state_, defs_, held, x, y));
    };
    surface_->OnRelease = [this](MouseButton, double, double) { ApplyOutcome(MouseRelease(state_)); };
    surface_->OnKey = [this](QKeyEvent* event) { SurfaceKey(event->key()); };
    surface_->OnRepaintNeeded = [this] { RepaintView(); };
    connect(surface_->PopupList(), &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        ApplyOutcome(PopupChoice(state_, surface_->PopupList()->row(item)));
    });

    connect(hscLevelPos_, &QScrollBar::valueChanged, this,
            [this](int value) { ScrollBarMoved(true, value); });
    connect(vscLevelPos_, &QScrollBar::valueChanged, this,
            [this](int value) { ScrollBarMoved(false, value); });

    connect(cmdAddObject_, &QPushButton::clicked, this, [this] { CreateClicked(); });
    connect(cmdRemoveObject_, &QPushButton::clicked, this, [this] { RemoveClicked(); });
    connect(cmdGotoObject_, &QPushButton::clicked, this, [this] { ApplyOutcome(GotoObject(state_)); });
    connect(cmdObjectNext_, &QPushButton::clicked, this, [this] { ApplyOutcome(NextObject(state_)); });
    connect(cmdObjectPrev_, &QPushButton::clicked, this, [this] { ApplyOutcome(PreviousObject(state_)); });

    for (QCheckBox* box : chkListable_)
        connect(box, &QCheckBox::clicked, this, [this] { RemakeObjectList(); });

    for (int i = 0; i < 4; ++i)
        connect(cmdMoveScreen_[i], &QPushButton::clicked, this,
                [this, i] { ApplyOutcome(MoveExit(state_, i)); });
    connect(cmdScreenNext_, &QPushButton::clicked, this, [this] { ApplyOutcome(ExitNext(state_)); });
    connect(cmdScreenPrev_, &QPushButton::clicked, this, [this] { ApplyOutcome(ExitPrevious(state_)); });
    connect(cmdScreenGoto_, &QPushButton::clicked, this, [this] { ApplyOutcome(ExitGoto(state_)); });

    const std::pair<QLineEdit*, ExitField> boxes[] = {{txtExitDestination_, ExitField::Destination},
                                                      {txtEntranceX_, ExitField::EntranceX},
                                                      {txtEntranceY_, ExitField::EntranceY},
                                                      {txtEntranceType_, ExitField::EntranceType}};
    for (const auto& [box, field] : boxes) {
        const int fieldIndex = static_cast<int>(field);
        connect(box, &QLineEdit::textChanged, this,
                [this, fieldIndex](const QString& text) { ExitFieldEdited(fieldIndex, text); });
    }
    connect(lstDestinationLevels_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const std::string text = PickDestination(state_, item->data(Qt::UserRole).toInt());
        txtExitDestination_->setText(QString::fromStdString(text));
    });
    connect(lstEntranceTypes_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const std::string text = PickEntranceType(state_, item->data(Qt::UserRole).toInt());
        txtEntranceType_->setText(QString::fromStdString(text));
    });
}

void MainWindow::ApplyOutcome(const EditOutcome& outcome) {
    prompts_.ShowAll(outcome.Messages);
    if (ended_) return;
    if (outcome.ScrollChanged) SyncScrollBars();
    if (outcome.Repaint) {
        RepaintView();
    } else if (outcome.ShowExitInfo) {
        ShowScreenExitInfo();
    }
    SyncScreenExitFrame();
    SyncSurfaceControls();
}

void MainWindow::ScrollBarMoved(bool horizontal, int value) {
    ScrollBarState& bar = horizontal ? state_.View.H : state_.View.V;
    if (!SetScrollValue(bar, value)) return;
    RebuildVisibleList(state_.View, state_.Level);
    RepaintView();
}

void MainWindow::SurfaceKey(int qtKey) {
    int code = 0;
    switch (qtKey) {
        case Qt::Key_Delete:
            code = KeyDelete;
            break;
        case Qt::Key_Left:
            code = KeyLeft;
            break;
        case Qt::Key_Up:
            code = KeyUp;
            break;
        case Qt::Key_Right:
            code = KeyRight;
            break;
        case Qt::Key_Down:
            code = KeyDown;
            break;
        default:
            return;
    }
    ApplyOutcome(KeyPressed(state_, defs_, code));
}

std::optional<int> MainWindow::SelectedCatalogueValue() const {
    const QList<QListWidgetItem*> selected = lstObjects_->selectedItems();
    if (selected.isEmpty()) return std::nullopt;
    return selected.front()->data(Qt::UserRole).toInt();
}

void MainWindow::CreateClicked() { ApplyOutcome(CreateItem(state_, defs_, SelectedCatalogueValue())); }

void MainWindow::RemoveClicked() { ApplyOutcome(RemoveItem(state_, defs_)); }

void MainWindow::ExitFieldEdited(int field, const QString& text) {
    ApplyOutcome(StoreExitField(state_, static_cast<ExitField>(field), text.toLocal8Bit().toStdString()));
}

}  // namespace tarnloft
