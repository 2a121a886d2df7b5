// The About box (frmAbout): icon, name, author line and credits.
#pragma once
#include "dialogs/keptdialog.h"

class QLabel;
class QPushButton;

namespace tarnloft {

class Prompts;

class AboutDialog : public KeptDialog {
    Q_OBJECT
public:
    explicit AboutDialog(Prompts& prompts, QWidget* parent = nullptr);

    // The five-line answer to "&Cancel" (and Esc): the box stays open.
    static const char* CancelMessageText();

private:
    void CancelClicked();

    Prompts& prompts_;
    QLabel* lblAbout_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QPushButton* cmdOk_ = nullptr;
};

}  // namespace tarnloft
