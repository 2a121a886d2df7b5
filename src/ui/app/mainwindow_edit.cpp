// The Edit menu: undo and redo of the session's history, their captions
// naming the step ("&Undo Move", "&Redo Create"); selecting every item, and
// cut, copy and paste (mainwindow_clipboard.cpp).
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/mainwindow.h"
#include "widgets/qtstrings.h"

namespace tarnloft {

namespace {

QAction* AddEditAction(QMenu* menu, const char* name, const QList<QKeySequence>& keys,
                       const char* caption = "") {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    return action;
}

}  // namespace

void MainWindow::BuildEditMenu() {
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    auto keys = [](std::initializer_list<const char*> texts) {
        QList<QKeySequence> list;
        for (const char* text : texts) list.append(QKeySequence(QString::fromLatin1(text)));
        return list;
    };
    mnuEditUndo_ = AddEditAction(edit, "mnuEditUndo", keys({"Ctrl+Z"}));
    mnuEditRedo_ = AddEditAction(edit, "mnuEditRedo", keys({"Ctrl+Y", "Ctrl+Shift+Z"}));
    connect(mnuEditUndo_, &QAction::triggered, this, [this] { session_.Undo(); });
    connect(mnuEditRedo_, &QAction::triggered, this, [this] { session_.Redo(); });
    edit->addSeparator();
    // Ctrl+C stays Cross-section mode; Copy has Ctrl+Shift+C and Ctrl+Insert.
    mnuEditSelectAll_ = AddEditAction(edit, "mnuEditSelectAll", keys({"Ctrl+A"}), "Select &All");
    mnuEditCut_ = AddEditAction(edit, "mnuEditCut", keys({"Ctrl+X"}), "Cu&t");
    mnuEditCopy_ = AddEditAction(edit, "mnuEditCopy", keys({"Ctrl+Shift+C", "Ctrl+Ins"}), "&Copy");
    mnuEditPaste_ = AddEditAction(edit, "mnuEditPaste", keys({"Ctrl+V", "Shift+Ins"}), "&Paste");
    connect(mnuEditSelectAll_, &QAction::triggered, this, [this] { session_.Apply(&Editor::SelectAll); });
    connect(mnuEditCut_, &QAction::triggered, this, &MainWindow::CutSelection);
    connect(mnuEditCopy_, &QAction::triggered, this, &MainWindow::CopySelection);
    connect(mnuEditPaste_, &QAction::triggered, this, &MainWindow::PasteItems);
    ShowHistory();
}

// After every report: the steps that undo and redo would take, and what the
// selection's commands can act on.
void MainWindow::ShowHistory() {
    auto show = [](QAction* action, const char* verb, const std::string& step, bool enabled) {
        action->setText(QString::fromLatin1(verb) +
                        (step.empty() ? QString() : QStringLiteral(" ") + ToQString(step)));
        action->setEnabled(enabled);
    };
    show(mnuEditUndo_, "&Undo", session_.History().UndoName(), session_.CanUndo());
    show(mnuEditRedo_, "&Redo", session_.History().RedoName(), session_.CanRedo());
    // The selection's commands act on objects and sprites, not in Screen Exit mode.
    const bool onEntries = !State().InScreenExitMode();
    const bool hasEntry = onEntries && State().Level.HoldsEntry(State().Level.SelectedObject);
    mnuEditSelectAll_->setEnabled(hasEntry);
    mnuEditCut_->setEnabled(hasEntry);
    mnuEditCopy_->setEnabled(hasEntry);
    mnuEditPaste_->setEnabled(onEntries);
}

}  // namespace tarnloft
