#include "widgets/entrypicker.h"

#include <QEvent>
#include <QListWidget>

namespace tarnloft {

EntryPicker::EntryPicker(QListWidget* list) : QObject(list), list_(list) {
    // Keys reach the list, mouse presses its viewport.
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);
    connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { Pick(list_->row(item)); });
    connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (list_->hasFocus() && !focusArriving_) Pick(row);
    });
}

bool EntryPicker::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::FocusIn:
            focusArriving_ = true;
            break;
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::FocusOut:
            focusArriving_ = false;
            break;
        default:
            break;
    }
    return false;
}

void EntryPicker::Pick(int row) {
    if (row >= 0 && row < list_->count()) emit Picked(row);
}

}  // namespace tarnloft
