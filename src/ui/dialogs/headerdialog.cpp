#include "dialogs/headerdialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>
#include <string>

#include "prompts/prompts.h"
#include "rom/romimage.h"
#include "util/decimal.h"
#include "util/hex.h"
#include "widgets/placement.h"
#include "widgets/qtstrings.h"

namespace tarnloft {

namespace {

// Rows top to bottom: the fields in bit order, except that the last four
// rows show Music, Layer 3 Scrolling, Layer 2 Scrolling, then Midring.
constexpr std::array<int, HeaderFieldCount> ScreenOrder = {0, 1,  2,  3,  4,  5,  6,  7, 8,
                                                           9, 10, 11, 12, 15, 14, 13, 16};
constexpr int MusicField = 15;

// The field's name for messages: its caption without the access key and range.
std::string FieldTitle(const HeaderFieldInfo& info) {
    std::string title;
    for (const char* c = info.Caption; *c && *c != ':'; ++c)
        if (*c != '&') title += *c;
    return title;
}

}  // namespace

HeaderDialog::HeaderDialog(const RomImage& rom, Prompts& prompts, QWidget* parent)
    : KeptDialog(parent), rom_(rom), prompts_(prompts) {
    setObjectName("frmHeader");
    setWindowTitle("Header Properties");
    FixDialogSizeTwips(this, 4815, 7815);

    frame_ = new QGroupBox("Edit header properties (These numbers are decimal, not hex!)", this);
    frame_->setObjectName("Frame1");
    PlaceTwips(frame_, 120, 120, 4575, 6615);

    const auto& table = HeaderFieldTable();
    for (int row = 0; row < HeaderFieldCount; ++row) {
        int field = ScreenOrder[row];
        const HeaderFieldInfo& info = table[field];
        int top = 360 + 360 * row;
        auto* label = new QLabel(QString::fromUtf8(info.Caption), frame_);
        PlaceTwips(label, 120, top, 2460, 255);
        auto* box = new QLineEdit(frame_);
        box->setObjectName(QString::fromUtf8(info.BoxName));
        PlaceTwips(box, 2640, top, 1575, 285);
        label->setBuddy(box);
        boxes_[field] = box;
    }

    cmdImport_ = AddTwipsButton(this, "cmdImport", "Import from existing level", 120, 6840, 1935, 375);
    txtImportNum_ = AddTwipsTextBox(this, "txtImportNum", 2160, 6840, 1575, 285, "0");
    cmdCancel_ = AddTwipsButton(this, "cmdCancel", "&Cancel", 1920, 7320, 1455, 375);
    cmdOk_ = AddTwipsButton(this, "cmdOk", "&Alright", 3480, 7320, 1215, 375);
    cmdOk_->setDefault(true);
    SetEscapeButton(cmdCancel_);

    // Tab order: the rows without Music, the two buttons, Music, the import box and button.
    QList<QWidget*> order;
    for (int field : ScreenOrder)
        if (field != MusicField) order << boxes_[field];
    order << cmdCancel_ << cmdOk_ << boxes_[MusicField] << txtImportNum_ << cmdImport_;
    for (int i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);

    // Some captions are long for their rows: the whole dialog shares one smaller font.
    FitCaptionsInOneSize(this);
    connect(cmdOk_, &QPushButton::clicked, this, &HeaderDialog::OkClicked);
    connect(cmdCancel_, &QPushButton::clicked, this, &QWidget::hide);
    connect(cmdImport_, &QPushButton::clicked, this, &HeaderDialog::ImportClicked);
}

void HeaderDialog::AcceptData(const HeaderBytesArray& bytes) {
    LevelHeaderFields fields = UnpackHeader(bytes);
    for (int field = 0; field < HeaderFieldCount; ++field)
        boxes_[field]->setText(QString::number(fields.Values[field]));
}

void HeaderDialog::OkClicked() {
    const auto& table = HeaderFieldTable();
    LevelHeaderFields fields;
    // Checked in screen order so the first complaint is about the topmost bad box.
    for (int field : ScreenOrder) {
        const HeaderFieldInfo& info = table[field];
        std::optional<int> value = ParseDecimalBox(ToStdString(boxes_[field]->text()), info.Max());
        if (!value) {
            prompts_.ShowMessage(
                "Tarnloft - User Error",
                FieldTitle(info) + " must be a whole number from 0 to " + std::to_string(info.Max()) + ".");
            boxes_[field]->setFocus();
            boxes_[field]->selectAll();
            return;
        }
        fields.Values[field] = static_cast<uint8_t>(*value);
    }
    HeaderBytesArray bytes = PackHeader(fields);
    emit Accepted(bytes);
    hide();
}

void HeaderDialog::ImportClicked() {
    uint64_t index = ParseHexBox(ToStdString(txtImportNum_->text()));
    HeaderImport result = ImportHeaderFromLevel(rom_, index);
    prompts_.ShowAll(result.Messages);
    if (result.Bytes) AcceptData(*result.Bytes);
}

}  // namespace tarnloft
