#include "dialogs/hexdialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstdint>
#include <optional>

#include "prompts/prompts.h"
#include "widgets/placement.h"
#include "rom/romimage.h"
#include "util/hex.h"
#include "widgets/qtstrings.h"

namespace tarnloft {

namespace {
const char* const UserErrorTitle = "Tarnloft - User Error";
}

HexDialog::HexDialog(RomImage& rom, Prompts& prompts, QWidget* parent)
    : KeptDialog(parent), rom_(rom), prompts_(prompts) {
    setObjectName("frmHex");
    setWindowTitle("Tarnloft - It can edit everything!");
    FixDialogSizeTwips(this, 5295, 2295);

    auto* note = new QLabel(
        "From its first day this little window could change any byte of the image, "
        "so handle it with care.  -- the Tarnloft developers",
        this);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceTwips(note, 120, 120, 4815, 735);

    auto* offsetLabel = new QLabel("Offset", this);
    PlaceTwips(offsetLabel, 120, 960, 855, 255);
    txtOffset_ = AddTwipsTextBox(this, "txtOffset", 840, 960, 2655, 285, "0");
    cmdGet_ = AddTwipsButton(this, "cmdGet", "Get Value", 3600, 960, 1575, 375);

    auto* valueLabel = new QLabel("Value", this);
    PlaceTwips(valueLabel, 120, 1320, 855, 255);
    txtValue_ = AddTwipsTextBox(this, "txtValue", 840, 1320, 2655, 285, "0");
    cmdPut_ = AddTwipsButton(this, "cmdPut", "Put Value", 3600, 1320, 1575, 375);

    auto* reload = new QLabel("(Might want to reload your level after this)", this);
    PlaceTwips(reload, 120, 1800, 3255, 255);
    cmdExit_ = AddTwipsButton(this, "cmdExit", "E&xit", 3960, 1800, 1215, 375);
    cmdExit_->setDefault(true);
    SetEscapeButton(cmdExit_);

    FitCaptions(this);
    connect(cmdGet_, &QPushButton::clicked, this, &HexDialog::GetClicked);
    connect(cmdPut_, &QPushButton::clicked, this, &HexDialog::PutClicked);
    connect(cmdExit_, &QPushButton::clicked, this, &QWidget::hide);
}

void HexDialog::GetClicked() {
    uint64_t offset = ParseHexBox(ToStdString(txtOffset_->text()));
    // Beyond the end of the file (or with no file) there is no byte: show 0.
    std::optional<uint8_t> byte;
    if (offset < static_cast<uint64_t>(INT64_MAX) && rom_.IsOpen())
        byte = rom_.ReadByte(static_cast<int64_t>(offset) + 1);
    txtValue_->setText(ToQString(Hex(byte.value_or(0))));
}

void HexDialog::PutClicked() {
    uint64_t offset = ParseHexBox(ToStdString(txtOffset_->text()));
    uint64_t value = ParseHexBox(ToStdString(txtValue_->text()));
    if (value > 0xFF) {
        prompts_.ShowMessage(UserErrorTitle,
                             "The value must be a hex number from 0 to FF.  Nothing was written.");
        return;
    }
    int64_t size = rom_.IsOpen() ? rom_.Size() : 0;
    if (size <= 0 || offset >= static_cast<uint64_t>(size)) {
        std::string range =
            size > 0 ? "from 0 to " + Hex(static_cast<uint64_t>(size) - 1) : "inside the image";
        prompts_.ShowMessage(UserErrorTitle,
                             "The offset must be a hex number " + range + ".  Nothing was written.");
        return;
    }
    uint8_t byte = static_cast<uint8_t>(value);
    if (std::optional<std::string> error = rom_.Write(static_cast<int64_t>(offset) + 1, &byte, 1))
        prompts_.ShowMessage("Tarnloft - This is bad", "The byte could not be written: " + *error);
}

}  // namespace tarnloft
