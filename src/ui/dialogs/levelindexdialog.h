// The level index dialog (frmLevelISelect): pick a level from LevelList.dat
// or type its index in hexadecimal, then load it by index.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "dialogs/keptdialog.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace tarnloft {

class Prompts;

class LevelIndexDialog : public KeptDialog {
    Q_OBJECT
public:
    // Reads LevelList.dat from `dataFolder` at once; `loadIndex` loads a level.
    LevelIndexDialog(const std::string& dataFolder, Prompts& prompts, std::function<void(uint64_t)> loadIndex,
                     QWidget* parent = nullptr);

private:
    void EntryChosen(int row);
    void OkClicked();

    Prompts& prompts_;
    std::function<void(uint64_t)> loadIndex_;
    QListWidget* lstLevels_ = nullptr;
    QLineEdit* txtIndex_ = nullptr;
    QPushButton* cmdOk_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};

}  // namespace tarnloft
