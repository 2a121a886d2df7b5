#include "dialogs/keptdialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace tarnloft {

// Not Qt::WA_DeleteOnClose: QDialog::exec() deletes such a dialog whenever
// it ends, even when a button merely hid it. The close button discards the
// dialog through closeEvent instead.
KeptDialog::KeptDialog(QWidget* parent) : QDialog(parent) {}

void KeptDialog::keyPressEvent(QKeyEvent* event) {
    // QDialog would answer Esc with reject(), which closes rather than hides.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (escapeButton_) escapeButton_->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void KeptDialog::closeEvent(QCloseEvent* event) {
    QDialog::closeEvent(event);
    if (event->isAccepted()) deleteLater();
}

}  // namespace tarnloft
