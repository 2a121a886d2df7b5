#include "dialogs/objectlistwindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <algorithm>

#include "widgets/entrypicker.h"
#include "widgets/placement.h"
#include "widgets/qtstrings.h"

namespace tarnloft {

namespace {
constexpr int ButtonWidth = 78, ButtonHeight = 24, Margin = 4;
}  // namespace

ObjectListWindow::ObjectListWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName("frmObjectList");
    setWindowTitle("Objects list");
    setAttribute(Qt::WA_DeleteOnClose);
    QFont font = this->font();
    font.setPointSizeF(8.0);
    setFont(font);
    resize(Twips(3330), Twips(6990));

    fraListOptions_ = new QGroupBox("Object list options", this);
    fraListOptions_->setObjectName("fraListOptions");
    PlaceTwips(fraListOptions_, 0, 120, 3255, 975);
    auto* filterLabel = new QLabel("&Filter", fraListOptions_);
    PlaceTwips(filterLabel, 120, 240, 735, 255);
    txtFilter_ = AddTwipsTextBox(fraListOptions_, "txtFilter", 960, 240, 2175, 285);
    filterLabel->setBuddy(txtFilter_);

    const char* captions[3] = {"Norm", "X", "Sprite"};
    for (int i = 0; i < 3; ++i) {
        auto* box = new QCheckBox(captions[i], fraListOptions_);
        box->setObjectName("chkListable");
        box->setProperty("index", i);
        box->setChecked(true);
        PlaceTwips(box, 120 + 840 * i, 600, 735, 255);
        connect(box, &QCheckBox::clicked, this, &ObjectListWindow::ListableClicked);
        chkListable_[i] = box;
    }

    lstObjects_ = new QListWidget(this);
    lstObjects_->setObjectName("lstObjects");
    PlaceTwips(lstObjects_, 0, 1200, 3255, 3570);

    // Create and Remove, as in the main window's "Object" frame, which is hidden meanwhile.
    create_ = AddButton(this, "cmdAddObject", "&Create", Pixels(0, 0, ButtonWidth, ButtonHeight));
    remove_ = AddButton(this, "cmdRemoveObject", "&Remove", Pixels(0, 0, ButtonWidth, ButtonHeight));
    connect(create_, &QPushButton::clicked, this, &ObjectListWindow::CreateClicked);
    connect(remove_, &QPushButton::clicked, this, &ObjectListWindow::RemoveClicked);

    FitCaptions(this);

    connect(txtFilter_, &QLineEdit::textChanged, this, &ObjectListWindow::FilterChanged);
    // The entry the user picks is selected in the main list as well.
    connect(new EntryPicker(lstObjects_), &EntryPicker::Picked, this, &ObjectListWindow::EntryClicked);
}

void ObjectListWindow::SetEntries(const std::vector<std::string>& texts) {
    // A refill is not the user's choice of an entry: nothing is forwarded.
    QSignalBlocker block(lstObjects_);
    lstObjects_->clear();
    QStringList items;
    items.reserve(static_cast<int>(texts.size()));
    for (const std::string& text : texts) items << ToQString(text);
    lstObjects_->addItems(items);
    lstObjects_->setCurrentRow(-1);
    lstObjects_->clearSelection();
}

void ObjectListWindow::ListableClicked() {
    emit ListableChanged(chkListable_[0]->isChecked(), chkListable_[1]->isChecked(),
                         chkListable_[2]->isChecked());
}

void ObjectListWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The buttons sit at the bottom; the list fills the client area between
    // the options frame and them, less a small margin.
    const int buttonsTop = this->height() - Margin - ButtonHeight;
    create_->move(0, buttonsTop);
    remove_->move(ButtonWidth + Margin, buttonsTop);
    int width = std::max(0, this->width() - 8);
    int height = std::max(0, buttonsTop - Margin - lstObjects_->y());
    lstObjects_->setGeometry(lstObjects_->x(), lstObjects_->y(), width, height);
}

void ObjectListWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    // Once: the window is discarded after this.
    if (closed_) return;
    closed_ = true;
    emit Closed();
}

}  // namespace tarnloft
