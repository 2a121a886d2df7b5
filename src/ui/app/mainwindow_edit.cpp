// The Edit menu: undo and redo of the session's history, their captions
// naming the step ("&Undo Move", "&Redo Create").
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/mainwindow.h"

namespace tarnloft {

namespace {

QAction* AddHistoryAction(QMenu* menu, const char* name, const QList<QKeySequence>& keys) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    return action;
}

}  // namespace

void MainWindow::BuildEditMenu() {
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    mnuEditUndo_ = AddHistoryAction(edit, "mnuEditUndo", {QKeySequence(QStringLiteral("Ctrl+Z"))});
    mnuEditRedo_ = AddHistoryAction(
        edit, "mnuEditRedo",
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    connect(mnuEditUndo_, &QAction::triggered, this, [this] { session_.Undo(); });
    connect(mnuEditRedo_, &QAction::triggered, this, [this] { session_.Redo(); });
    connect(&session_.History(), &QUndoStack::indexChanged, this, &MainWindow::ShowHistory);
    connect(&session_.History(), &QUndoStack::cleanChanged, this, &MainWindow::ShowHistory);
    ShowHistory();
}

void MainWindow::ShowHistory() {
    const QUndoStack& history = session_.History();
    auto show = [](QAction* action, const QString& verb, const QString& step, bool enabled) {
        action->setText(step.isEmpty() ? verb : verb + ' ' + step);
        action->setEnabled(enabled);
    };
    show(mnuEditUndo_, QStringLiteral("&Undo"), history.undoText(), session_.CanUndo());
    show(mnuEditRedo_, QStringLiteral("&Redo"), history.redoText(), session_.CanRedo());
}

}  // namespace tarnloft
