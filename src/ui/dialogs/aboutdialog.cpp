#include "dialogs/aboutdialog.h"

#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "prompts/prompts.h"
#include "widgets/placement.h"
#include "util/message.h"

namespace tarnloft {

namespace {

// The program's icon: a little loft roof over a grid of level tiles.
QPixmap MakeIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Roof.
    painter.setPen(QColor(90, 40, 20));
    painter.setBrush(QColor(190, 80, 40));
    const QPoint roof[3] = {QPoint(1, 14), QPoint(16, 1), QPoint(30, 14)};
    painter.drawPolygon(roof, 3);
    // Wall made of tiles.
    painter.setPen(QColor(20, 40, 90));
    const QColor tiles[2] = {QColor(80, 150, 220), QColor(120, 200, 120)};
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col) {
            painter.setBrush(tiles[(row + col) % 2]);
            painter.drawRect(4 + col * 8, 15 + row * 8, 8, 8);
        }
    return pixmap;
}

const char* const Credits =
    "Thanks to everyone who took the cartridge apart before us and wrote down what they "
    "found: this editor stands on their notes, their maps of the data and their patient "
    "answers.\r\n"
    "\r\n"
    "Thanks to the testers, who opened level after level, broke things in every way we did "
    "not think of and told us about it.\r\n"
    "\r\n"
    "Thanks to the hacking community and its forum, for the questions, the encouragement and "
    "the levels that showed what the editor still had to learn.\r\n"
    "\r\n"
    "And thanks to our friends and family, for their patience with all the evenings spent "
    "staring at hexadecimal.\r\n"
    "Questions, bugs and ideas are welcome: write to the Tarnloft developers through the "
    "project's page.";

}  // namespace

AboutDialog::AboutDialog(Prompts& prompts, QWidget* parent) : KeptDialog(parent), prompts_(prompts) {
    setObjectName("frmAbout");
    setWindowTitle("About");
    FixDialogSizeTwips(this, 7230, 6690);
    QFont font("Tahoma");
    font.setPointSizeF(8.25);
    setFont(font);

    auto* icon = new QLabel(this);
    icon->setObjectName("imgIconGoesHere");
    icon->setPixmap(MakeIcon());
    PlaceTwips(icon, 120, 120, 480, 480);

    auto* name = new QLabel("Tarnloft", this);
    QFont bold = font;
    bold.setBold(true);
    name->setFont(bold);
    PlaceTwips(name, 960, 120, 3615, 255);

    auto* author = new QLabel("by the Tarnloft developers", this);
    PlaceTwips(author, 960, 360, 3615, 255);

    lblAbout_ = new QLabel(this);
    lblAbout_->setObjectName("lblAbout");
    lblAbout_->setTextFormat(Qt::PlainText);
    lblAbout_->setWordWrap(true);
    lblAbout_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceTwips(lblAbout_, 960, 720, 6135, 5175);
    lblAbout_->setText(lblAbout_->text() + QString(Crlf) + QString(Crlf) + QString(Credits));

    cmdCancel_ = AddTwipsButton(this, "cmdCancel", "&Cancel", 4440, 6120, 1215, 375);
    SetEscapeButton(cmdCancel_);
    cmdOk_ = AddTwipsButton(this, "cmdOK", "&Alright", 5760, 6120, 1335, 375);
    cmdOk_->setDefault(true);

    FitCaptions(this);
    connect(cmdOk_, &QPushButton::clicked, this, &QWidget::hide);
    connect(cmdCancel_, &QPushButton::clicked, this, &AboutDialog::CancelClicked);
}

const char* AboutDialog::CancelMessageText() {
    return "What on earth are you doing?  How do you cancel an about dialogue?      \r\n"
           "What do you expect it to do, undo the changes you made while in the about dialogue?\r\n"
           "You didn't do anything, it's a damn about dialogue!  \r\n"
           "\r\n"
           "                                      ";
}

void AboutDialog::CancelClicked() { prompts_.ShowMessage("Tarnloft - User Error", CancelMessageText()); }

}  // namespace tarnloft
