// The level offset dialog (frmLevelSelect): load a level from two raw file
// offsets; the list from LevelOffsets.dat supplies the header offset only.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/definitionfiles.h"
#include "dialogs/keptdialog.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace tarnloft {

class Prompts;

class LevelOffsetDialog : public KeptDialog {
    Q_OBJECT
public:
    // Reads LevelOffsets.dat from `dataFolder` at once.
    LevelOffsetDialog(const std::string& dataFolder, Prompts& prompts, QWidget* parent = nullptr);

signals:
    // "&Alright": the level offset and the sprite offset (0-based file offsets).
    void OffsetsChosen(quint64 levelOffset, quint64 spriteOffset);

private:
    void EntryChosen(int row);
    void OkClicked();

    Prompts& prompts_;
    std::vector<LevelOffsetEntry> levelOffsetEntries_;
    QListWidget* lstLevels_ = nullptr;
    QLineEdit* txtOffset_ = nullptr;
    QLineEdit* txtSpriteOffset_ = nullptr;
    QPushButton* cmdOk_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};

}  // namespace tarnloft
