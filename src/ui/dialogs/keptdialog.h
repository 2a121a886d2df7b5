// Base of the modal dialogs: their buttons only hide them, so a dialog and
// its boxes live on from one opening to the next; Esc presses the dialog's
// cancel button, and only the window's own close button discards it.
#pragma once
#include <QDialog>

class QPushButton;

namespace tarnloft {

class KeptDialog : public QDialog {
    Q_OBJECT
public:
    explicit KeptDialog(QWidget* parent = nullptr);

protected:
    // The button that Esc presses.
    void SetEscapeButton(QPushButton* button) { escapeButton_ = button; }

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* escapeButton_ = nullptr;
};

}  // namespace tarnloft
