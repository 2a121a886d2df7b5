#include "dialogs/leveloffsetdialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "prompts/prompts.h"
#include "widgets/entrypicker.h"
#include "widgets/placement.h"
#include "util/hex.h"
#include "widgets/qtstrings.h"

namespace tarnloft {

LevelOffsetDialog::LevelOffsetDialog(const std::string& dataFolder, Prompts& prompts,
                                     QWidget* parent)
    : KeptDialog(parent), prompts_(prompts) {
    setObjectName("frmLevelSelect");
    setWindowTitle("Select Level");
    FixDialogSizeTwips(this, 4770, 5400);

    auto* warning = new QLabel("WARNING: List does not contain sprite offsets, enter manually!", this);
    PlaceTwips(warning, 0, 120, 4695, 255);
    auto* offsetLabel = new QLabel("&Offset", this);
    PlaceTwips(offsetLabel, 0, 480, 855, 255);
    txtOffset_ = AddTwipsTextBox(this, "txtOffset", 960, 480, 2055, 285);
    offsetLabel->setBuddy(txtOffset_);
    auto* spriteLabel = new QLabel("&Sprite Offset", this);
    // The form's label reaches under the box; end it at the box so its text stays readable.
    PlaceTwips(spriteLabel, 0, 840, 960, 255);
    txtSpriteOffset_ = AddTwipsTextBox(this, "txtSpriteOffset", 960, 840, 2055, 285);
    spriteLabel->setBuddy(txtSpriteOffset_);
    cmdOk_ = AddTwipsButton(this, "cmdOK", "&Alright", 3240, 480, 1455, 375);
    cmdOk_->setDefault(true);
    cmdCancel_ = AddTwipsButton(this, "cmdCancel", "&Cancel", 3240, 960, 1455, 375);
    SetEscapeButton(cmdCancel_);
    lstLevels_ = new QListWidget(this);
    lstLevels_->setObjectName("lstLevels");
    PlaceTwips(lstLevels_, 0, 1200, 3135, 4155);

    LevelOffsetsLoad load = LoadLevelOffsets(dataFolder);
    levelOffsetEntries_ = std::move(load.Entries);
    for (const LevelOffsetEntry& entry : levelOffsetEntries_)
        lstLevels_->addItem(ToQString(entry.Name));
    if (!load.Ok)
        prompts_.ShowMessage(
            "Tarnloft - Missing Level Offsets",
            load.Error.empty() ? std::string("LevelOffsets.dat could not be read.") : load.Error);

    FitCaptions(this);
    connect(new EntryPicker(lstLevels_), &EntryPicker::Picked, this, &LevelOffsetDialog::EntryChosen);
    connect(cmdOk_, &QPushButton::clicked, this, &LevelOffsetDialog::OkClicked);
    connect(cmdCancel_, &QPushButton::clicked, this, &QWidget::hide);
}

void LevelOffsetDialog::EntryChosen(int row) {
    if (row < 0 || row >= static_cast<int>(levelOffsetEntries_.size())) return;
    int64_t offset = levelOffsetEntries_[row].Offset;
    // Offsets are 32-bit signed in the file's table; a negative one shows its two's complement.
    std::string text = offset >= 0 ? Hex(static_cast<uint64_t>(offset)) : Hex32(static_cast<int32_t>(offset));
    txtOffset_->setText(ToQString(text));
}

void LevelOffsetDialog::OkClicked() {
    uint64_t levelOffset = ParseHexBox(ToStdString(txtOffset_->text()));
    uint64_t spriteOffset = ParseHexBox(ToStdString(txtSpriteOffset_->text()));
    hide();
    emit OffsetsChosen(levelOffset, spriteOffset);
}

}  // namespace tarnloft
