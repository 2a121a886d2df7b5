// The level header editor (frmHeader): the 17 header properties as decimal
// text boxes, with an import of another level's header from the image.
#pragma once
#include <array>

#include "dialogs/keptdialog.h"
#include "level/header.h"

class QLineEdit;
class QPushButton;
class QGroupBox;

namespace tarnloft {

class RomImage;
class Prompts;

class HeaderDialog : public KeptDialog {
    Q_OBJECT
public:
    HeaderDialog(const RomImage& rom, Prompts& prompts, QWidget* parent = nullptr);

    // Shows the ten bytes as the 17 decimal values; touches nothing else.
    void AcceptData(const HeaderBytesArray& bytes);

signals:
    // "&Alright" with the packed bytes when every box is valid.
    void Accepted(const tarnloft::HeaderBytesArray& bytes);

private:
    void OkClicked();
    void ImportClicked();

    const RomImage& rom_;
    Prompts& prompts_;
    // Text boxes indexed like HeaderFieldTable() (bit order, not screen order).
    std::array<QLineEdit*, HeaderFieldCount> boxes_{};
    QGroupBox* frame_ = nullptr;
    QLineEdit* txtImportNum_ = nullptr;
    QPushButton* cmdImport_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QPushButton* cmdOk_ = nullptr;
};

}  // namespace tarnloft
