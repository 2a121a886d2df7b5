// The hex editor (frmHex): reads and writes single bytes of the open image
// by 0-based file offset, straight to the file, bypassing the level model.
#pragma once
#include "dialogs/keptdialog.h"

class QLineEdit;
class QPushButton;

namespace tarnloft {

class RomImage;
class Prompts;

class HexDialog : public KeptDialog {
    Q_OBJECT
public:
    HexDialog(RomImage& rom, Prompts& prompts, QWidget* parent = nullptr);

private:
    void GetClicked();
    void PutClicked();

    RomImage& rom_;
    Prompts& prompts_;
    QLineEdit* txtOffset_ = nullptr;
    QLineEdit* txtValue_ = nullptr;
    QPushButton* cmdGet_ = nullptr;
    QPushButton* cmdPut_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
};

}  // namespace tarnloft
