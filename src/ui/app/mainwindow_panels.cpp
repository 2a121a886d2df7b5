// The controls of the main window, their placement by the layout pass, and
// showing the core's state on them.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "app/mainwindow.h"
#include "dialogs/objectlistwindow.h"
#include "level/selectioninfo.h"
#include "view/layout.h"
#include "surface/levelsurface.h"

namespace tarnloft {

namespace {
QString Text(const std::string& text) {
    QString result = QString::fromLocal8Bit(text.c_str());
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return result;
}

void SetTextColour(QLabel* label, Rgb colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(colour.R, colour.G, colour.B));
    label->setPalette(palette);
}

// The label's text, changed only when it differs (a label relayouts on every setText).
void SetCaption(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
}

Qt::CursorShape CursorOf(PointerShape shape) {
    switch (shape) {
        case PointerShape::Move:
            return Qt::SizeAllCursor;
        case PointerShape::Cross:
            return Qt::CrossCursor;
        case PointerShape::SizeWE:
            return Qt::SizeHorCursor;
        case PointerShape::SizeNS:
            return Qt::SizeVerCursor;
        case PointerShape::SizeNWSE:
            return Qt::SizeFDiagCursor;
        case PointerShape::Arrow:
            break;
    }
    return Qt::ArrowCursor;
}

bool SameLines(const std::vector<PopupLine>& a, const std::vector<PopupLine>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].Text != b[i].Text || a[i].Index != b[i].Index) return false;
    return true;
}
}  // namespace

QGroupBox* MainWindow::AddFrame(const char* name, const char* caption) {
    auto* frame = new QGroupBox(QString::fromUtf8(caption), client_);
    frame->setObjectName(QString::fromLatin1(name));
    return frame;
}

QLabel* MainWindow::AddLabel(QWidget* parent, const char* name, const char* caption, int left, int top,
                             int width, int height) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    if (name) label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(left, top, width, height);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* MainWindow::AddButton(QWidget* parent, const char* name, const char* caption, int left, int top,
                                   int width, int height) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, top, width, height);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* MainWindow::AddTextBox(QWidget* parent, const char* name, int left, int top, int width,
                                  int height) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(left, top, width, height);
    return box;
}

void MainWindow::BuildPanels() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);

    surface_ = new LevelSurface(client_);
    hscLevelPos_ = new QScrollBar(Qt::Horizontal, client_);
    hscLevelPos_->setObjectName(QStringLiteral("hscLevelPos"));
    vscLevelPos_ = new QScrollBar(Qt::Vertical, client_);
    vscLevelPos_->setObjectName(QStringLiteral("vscLevelPos"));
    for (QScrollBar* bar : {hscLevelPos_, vscLevelPos_}) {
        bar->setSingleStep(1);
        bar->setPageStep(16);  // one screen
    }

    // Level Info: byte budgets and the tile under the pointer.
    fraLevelInfo_ = AddFrame("fraLevelInfo", "Level Info");
    AddLabel(fraLevelInfo_, nullptr, "Bytes/Available", 8, 20, 96, 17);
    lblByteUsage_ = AddLabel(fraLevelInfo_, "lblByteUsage", "", 108, 20, 78, 17);
    AddLabel(fraLevelInfo_, nullptr, "Sprite", 8, 42, 96, 17);
    lblSByteUsage_ = AddLabel(fraLevelInfo_, "lblSByteUsage", "", 108, 42, 78, 17);
    AddLabel(fraLevelInfo_, nullptr, "Mouse position:", 8, 64, 96, 17);
    lblMousePos_ = AddLabel(fraLevelInfo_, "lblMousePos", "", 108, 64, 78, 17);

    // Current Object Info: what is selected, and stepping through the entries.
    fraObjectInfo_ = AddFrame("fraObjectInfo", "Current Object Info");
    lblObjectInfo_ = AddLabel(fraObjectInfo_, "lblObjectInfo", "", 8, 20, 176, 96);
    cmdObjectPrev_ = AddButton(fraObjectInfo_, "cmdObjectPrev", "&<", 8, 120, 40, 25);
    cmdGotoObject_ = AddButton(fraObjectInfo_, "cmdGotoObject", "&Goto", 52, 120, 88, 25);
    cmdObjectNext_ = AddButton(fraObjectInfo_, "cmdObjectNext", "&>", 144, 120, 40, 25);

    // Object: create from the catalogue list, remove the selection.
    fraSubPanel_ = AddFrame("fraSubPanel", "Object");
    cmdAddObject_ = AddButton(fraSubPanel_, "cmdAddObject", "&Create", 8, 18, 78, 24);
    cmdRemoveObject_ = AddButton(fraSubPanel_, "cmdRemoveObject", "&Remove", 91, 18, 78, 24);

    // The catalogue list and its options.
    lstObjects_ = new QListWidget(client_);
    lstObjects_->setObjectName(QStringLiteral("lstObjects"));
    QFont listFont;
    listFont.setFamilies({QStringLiteral("Courier New"), QStringLiteral("DejaVu Sans Mono")});
    listFont.setStyleHint(QFont::Monospace);
    listFont.setPointSize(9);
    lstObjects_->setFont(listFont);
    lstObjects_->setUniformItemSizes(true);

    fraListOptions_ = AddFrame("fraListOptions", "Object list options");
    AddLabel(fraListOptions_, "lblFilter", "&Filter", 8, 20, 49, 17);
    txtFilter_ = AddTextBox(fraListOptions_, "txtFilter", 64, 17, 121, 21);
    fraListOptions_->findChild<QLabel*>(QStringLiteral("lblFilter"))->setBuddy(txtFilter_);
    const char* listable[] = {"Norm", "X", "Sprite"};
    for (int i = 0; i < 3; ++i) {
        auto* box = new QCheckBox(QString::fromLatin1(listable[i]), fraListOptions_);
        box->setObjectName(QStringLiteral("chkListable"));
        box->setProperty("index", i);
        box->setGeometry(8 + 56 * i, 42, 56, 18);
        box->setChecked(true);
        chkListable_[i] = box;
    }

    // Screen Exit Editor, shown in Screen Exit mode over the object info.
    fraScreenExits_ = AddFrame("fraScreenExits", "Screen Exit Editor");
    AddLabel(fraScreenExits_, nullptr, "Move Exit:", 8, 46, 70, 17);
    struct MoveButton {
        int Left, Top;
        const char* Caption;
    };
    // Right, up, left, down, laid out as a cross.
    const MoveButton moves[] = {{124, 42, ">"}, {96, 18, "^"}, {68, 42, "<"}, {96, 66, "v"}};
    for (int i = 0; i < 4; ++i) {
        QPushButton* button = AddButton(fraScreenExits_, "cmdMoveScreen", moves[i].Caption, moves[i].Left,
                                        moves[i].Top, 26, 24);
        button->setProperty("index", i);
        cmdMoveScreen_[i] = button;
    }
    AddLabel(fraScreenExits_, nullptr, "Destination:", 8, 100, 84, 17);
    txtExitDestination_ = AddTextBox(fraScreenExits_, "txtExitDestination", 96, 97, 89, 21);
    lstDestinationLevels_ = new QListWidget(fraScreenExits_);
    lstDestinationLevels_->setObjectName(QStringLiteral("lstDestinationLevels"));
    lstDestinationLevels_->setGeometry(8, 122, 177, 86);
    AddLabel(fraScreenExits_, nullptr, "Entrance Type:", 8, 216, 84, 17);
    txtEntranceType_ = AddTextBox(fraScreenExits_, "txtEntranceType", 96, 213, 89, 21);
    lstEntranceTypes_ = new QListWidget(fraScreenExits_);
    lstEntranceTypes_->setObjectName(QStringLiteral("lstEntranceTypes"));
    lstEntranceTypes_->setGeometry(8, 238, 177, 60);
    AddLabel(fraScreenExits_, nullptr, "Entrance X:", 8, 306, 84, 17);
    txtEntranceX_ = AddTextBox(fraScreenExits_, "txtEntranceX", 96, 303, 89, 21);
    AddLabel(fraScreenExits_, nullptr, "Entrance Y:", 8, 330, 84, 17);
    txtEntranceY_ = AddTextBox(fraScreenExits_, "txtEntranceY", 96, 327, 89, 21);
    cmdScreenPrev_ = AddButton(fraScreenExits_, "cmdScreenPrev", "<", 8, 354, 40, 24);
    cmdScreenGoto_ = AddButton(fraScreenExits_, "cmdScreenGoto", "Goto", 52, 354, 88, 24);
    cmdScreenNext_ = AddButton(fraScreenExits_, "cmdScreenNext", ">", 144, 354, 40, 24);
    AddLabel(fraScreenExits_, nullptr, "Bytes/Allowed", 8, 384, 96, 17);
    lblByteUsage2_ = AddLabel(fraScreenExits_, "lblByteUsage2", "", 108, 384, 78, 17);
    fraScreenExits_->hide();
    fraScreenExits_->setEnabled(false);
    fraScreenExits_->raise();  // covers the object info while shown

    placed_ = {{"lstObjects", lstObjects_},
               {"fraSubPanel", fraSubPanel_},
               {"Level", surface_},
               {"hscLevelPos", hscLevelPos_},
               {"vscLevelPos", vscLevelPos_},
               {"fraObjectInfo", fraObjectInfo_},
               {"fraLevelInfo", fraLevelInfo_},
               {"fraScreenExits", fraScreenExits_},
               {"fraListOptions", fraListOptions_}};
}

void MainWindow::FillExitLists() {
    auto fill = [](QListWidget* list, const std::vector<ListItem>& items) {
        list->clear();
        for (const ListItem& item : items) {
            auto* line = new QListWidgetItem(Text(item.Text), list);
            line->setData(Qt::UserRole, item.Value);
        }
    };
    fill(lstDestinationLevels_, defs_.DestinationLevels);
    fill(lstEntranceTypes_, defs_.EntranceTypes);
}

void MainWindow::LayoutWindow() {
    LayoutInput input;
    input.ClientWidth = client_->width();
    input.ClientHeight = client_->height();
    input.ListOptionsHeight =
        fraListOptions_->height() > 0 ? fraListOptions_->height() : LayoutDesign::ListOptions.Height;
    if (isMinimized()) input.ClientWidth = 0;
    const LayoutResult result = LayoutPass(input, state_.View, state_.Level);
    ApplyLayout(result);
}

void MainWindow::ApplyLayout(const LayoutResult& layout) {
    if (layout.Skipped) return;
    // The toolkit keeps the window from being made smaller than the layout allows.
    client_->setMinimumSize(MinimumClientWidth(state_.View), LayoutDesign::MinimumHeightTest);
    if (layout.ResizeWidth || layout.ResizeHeight) {
        const int extraHeight = height() - client_->height();
        const int extraWidth = width() - client_->width();
        resize((layout.ResizeWidth ? layout.NewWidth : client_->width()) + extraWidth,
               (layout.ResizeHeight ? layout.NewHeight : client_->height()) + extraHeight);
    }
    fraSubPanel_->setVisible(layout.LeftColumnShown);
    fraListOptions_->setVisible(layout.LeftColumnShown);
    lstObjects_->setVisible(layout.LeftColumnShown);
    for (const PlacedControl& control : layout.Controls) {
        auto it = placed_.find(control.Name);
        if (it == placed_.end()) continue;
        const LayoutRect& r = control.Geometry;
        it->second->setGeometry(r.Left, r.Top, std::max(0, r.Width), std::max(0, r.Height));
    }
    SyncScrollBars();
    if (layout.ScrollChanged) RepaintView();
}

void MainWindow::SyncScrollBars() {
    auto sync = [](QScrollBar* bar, const ScrollBarState& state) {
        const QSignalBlocker blocker(bar);
        bar->setRange(0, std::max(0, state.Maximum));
        bar->setValue(state.Value);
        bar->setEnabled(state.Enabled);
    };
    sync(hscLevelPos_, state_.View.H);
    sync(vscLevelPos_, state_.View.V);
}

void MainWindow::ShowSelectionInfo() {
    const SelectionInfo info = BuildSelectionInfo(state_.Level, defs_);
    SetCaption(lblObjectInfo_, Text(info.ObjectInfo));
    SetCaption(lblByteUsage_, Text(info.ByteUsage));
    SetCaption(lblSByteUsage_, Text(info.SpriteByteUsage));
    SetTextColour(lblByteUsage_, info.ByteUsageColour);
    SetTextColour(lblSByteUsage_, info.SpriteByteUsageColour);
}

void MainWindow::ShowScreenExitInfo() {
    const std::optional<ScreenExitInfo> info = BuildScreenExitInfo(state_.Level);
    if (!info) return;
    // Each box's change stores its field again; the values are the same.
    txtEntranceType_->setText(Text(info->EntranceType));
    txtEntranceX_->setText(Text(info->EntranceX));
    txtEntranceY_->setText(Text(info->EntranceY));
    txtExitDestination_->setText(Text(info->Destination));
    SetCaption(lblByteUsage2_, Text(info->ByteUsage));
    SetTextColour(lblByteUsage2_, info->ByteUsageColour);
    state_.ScreenExitFrameEnabled = true;
    fraScreenExits_->setEnabled(true);
}

void MainWindow::SyncScreenExitFrame() {
    fraScreenExits_->setVisible(state_.ScreenExitFrameShown);
    fraScreenExits_->setEnabled(state_.ScreenExitFrameEnabled);
    mnuViewScreenExit_->setChecked(state_.View.Toggles.ScreenExitMode);
}

void MainWindow::SyncSurfaceControls() {
    QListWidget* popup = surface_->PopupList();
    if (!SameLines(shownPopup_, state_.Popup.Lines)) {
        popup->clear();
        for (const PopupLine& line : state_.Popup.Lines) {
            auto* item = new QListWidgetItem(Text(line.Text), popup);
            item->setData(Qt::UserRole, line.Index);
        }
        shownPopup_ = state_.Popup.Lines;
        const int rows = std::min<int>(8, std::max<int>(1, popup->count()));
        const int rowHeight = std::max(popup->sizeHintForRow(0), 12);
        popup->resize(std::max(120, popup->sizeHintForColumn(0) + 24),
                      rows * rowHeight + 2 * popup->frameWidth());
    }
    popup->move(state_.Popup.Left, state_.Popup.Top);
    if (state_.Popup.Shown()) popup->raise();

    QLabel* tip = surface_->ToolTipLabel();
    const QString caption = Text(state_.ToolTip.Caption);
    if (tip->text() != caption) {
        tip->setText(caption);
        tip->adjustSize();
    }
    tip->move(state_.ToolTip.Left, state_.ToolTip.Top);

    surface_->setCursor(CursorOf(state_.Shape));
    SetCaption(lblMousePos_, Text(state_.MousePos));
}

void MainWindow::RemakeObjectList() {
    // The list follows what the check boxes and the filter box show now,
    // however their state was reached (typing, pasting, the separate window).
    CatalogueListOptions options;
    for (int i = 0; i < 3; ++i) options.Listable[i] = chkListable_[i]->isChecked();
    options.Filter = txtFilter_->text().toLocal8Bit().toStdString();
    const std::vector<ListItem> items = tarnloft::RemakeObjectList(defs_, options);
    lstObjects_->setUpdatesEnabled(false);
    lstObjects_->clear();
    for (const ListItem& item : items) {
        auto* line = new QListWidgetItem(Text(item.Text), lstObjects_);
        line->setData(Qt::UserRole, item.Value);
    }
    lstObjects_->setCurrentRow(-1);
    lstObjects_->setUpdatesEnabled(true);
    MirrorObjectList();
}

void MainWindow::MirrorObjectList() {
    if (!objectListWindow_) return;
    std::vector<std::string> texts;
    texts.reserve(static_cast<size_t>(lstObjects_->count()));
    for (int i = 0; i < lstObjects_->count(); ++i)
        texts.push_back(lstObjects_->item(i)->text().toLocal8Bit().toStdString());
    objectListWindow_->SetEntries(texts);
}

}  // namespace tarnloft
