#include "dialogs/levelindexdialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "prompts/prompts.h"
#include "catalogue/definitionfiles.h"
#include "widgets/entrypicker.h"
#include "widgets/placement.h"
#include "util/hex.h"
#include "widgets/qtstrings.h"

namespace tarnloft {

LevelIndexDialog::LevelIndexDialog(const std::string& dataFolder, Prompts& prompts,
                                   QWidget* parent)
    : KeptDialog(parent), prompts_(prompts) {
    setObjectName("frmLevelISelect");
    setWindowTitle("Select Level");
    FixDialogSizeTwips(this, 4665, 5385);

    auto* label = new QLabel("&Index", this);
    // The form's label reaches under the box; end it at the box so its text stays readable.
    PlaceTwips(label, 0, 120, 480, 255);
    txtIndex_ = AddTwipsTextBox(this, "txtIndex", 480, 120, 2535, 285);
    label->setBuddy(txtIndex_);
    cmdOk_ = AddTwipsButton(this, "cmdOK", "&Alright", 3240, 120, 1335, 375);
    cmdOk_->setDefault(true);
    cmdCancel_ = AddTwipsButton(this, "cmdCancel", "&Cancel", 3240, 600, 1335, 375);
    SetEscapeButton(cmdCancel_);
    lstLevels_ = new QListWidget(this);
    lstLevels_->setObjectName("lstLevels");
    PlaceTwips(lstLevels_, 0, 480, 3135, 4740);

    LevelListLoad list = LoadLevelList(dataFolder);
    for (const ListItem& entry : list.Items) {
        auto* item = new QListWidgetItem(ToQString(entry.Text), lstLevels_);
        item->setData(Qt::UserRole, entry.Value);
    }
    if (!list.Ok)
        prompts_.ShowMessage(
            "Tarnloft - Missing Level List",
            list.Error.empty() ? std::string("LevelList.dat could not be read.") : list.Error);

    FitCaptions(this);
    connect(new EntryPicker(lstLevels_), &EntryPicker::Picked, this, &LevelIndexDialog::EntryChosen);
    connect(cmdOk_, &QPushButton::clicked, this, &LevelIndexDialog::OkClicked);
    connect(cmdCancel_, &QPushButton::clicked, this, &QWidget::hide);
}

void LevelIndexDialog::EntryChosen(int row) {
    QListWidgetItem* item = lstLevels_->item(row);
    if (!item) return;
    int value = item->data(Qt::UserRole).toInt();
    txtIndex_->setText(ToQString(Hex32(value)));
}

void LevelIndexDialog::OkClicked() {
    uint64_t index = ParseHexBox(ToStdString(txtIndex_->text()));
    hide();
    emit IndexChosen(index);
}

}  // namespace tarnloft
