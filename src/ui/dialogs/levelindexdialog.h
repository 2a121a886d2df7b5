// The level index dialog (frmLevelISelect): pick a level from LevelList.dat
// or type its index in hexadecimal, then load it by index.
#pragma once
#include <cstdint>
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
    // Reads LevelList.dat from `dataFolder` at once.
    LevelIndexDialog(const std::string& dataFolder, Prompts& prompts, QWidget* parent = nullptr);

signals:
    // "&Alright": the level index typed or picked.
    void IndexChosen(quint64 index);

private:
    void EntryChosen(int row);
    void OkClicked();

    Prompts& prompts_;
    QListWidget* lstLevels_ = nullptr;
    QLineEdit* txtIndex_ = nullptr;
    QPushButton* cmdOk_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};

}  // namespace tarnloft
