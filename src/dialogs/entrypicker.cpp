#include "dialogs/entrypicker.h"

#include <QEvent>
#include <QListWidget>

EntryPicker::EntryPicker(QListWidget* list, std::function<void(int row)> picked)
    : QObject(list), list_(list), picked_(std::move(picked)) {
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
    if (row >= 0 && row < list_->count() && picked_) picked_(row);
}
