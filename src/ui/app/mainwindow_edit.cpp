// The Edit menu: undo and redo of the session's history, their captions
// naming the step ("&Undo Move", "&Redo Create").
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/mainwindow.h"
#include "widgets/qtstrings.h"

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
    ShowHistory();
}

// After every report: the steps that undo and redo would take.
void MainWindow::ShowHistory() {
    auto show = [](QAction* action, const char* verb, const std::string& step, bool enabled) {
        action->setText(QString::fromLatin1(verb) +
                        (step.empty() ? QString() : QStringLiteral(" ") + ToQString(step)));
        action->setEnabled(enabled);
    };
    show(mnuEditUndo_, "&Undo", session_.History().UndoName(), session_.CanUndo());
    show(mnuEditRedo_, "&Redo", session_.History().RedoName(), session_.CanRedo());
}

}  // namespace tarnloft
