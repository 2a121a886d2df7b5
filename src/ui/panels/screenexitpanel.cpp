#include "panels/screenexitpanel.h"

#include <QLineEdit>
#include <QListWidget>

#include "level/selectioninfo.h"
#include "panels/panelsupport.h"
#include "session/editorsession.h"
#include "widgets/entrypicker.h"

namespace tarnloft {

ScreenExitPanel::ScreenExitPanel(EditorSession& session, QWidget* parent)
    : QGroupBox(QStringLiteral("Screen Exit Editor"), parent), session_(session) {
    setObjectName(QStringLiteral("fraScreenExits"));
    AddLabel(this, nullptr, QStringLiteral("Move Exit:"), Pixels(8, 46, 70, 17));
    struct MoveButton {
        int Left, Top;
        const char* Caption;
        ArrowDirection Direction;
    };
    // cmdMoveScreen 0..3: right, up, left, down, laid out as a cross.
    const MoveButton moves[] = {{124, 42, ">", ArrowDirection::Right},
                                {96, 18, "^", ArrowDirection::Up},
                                {68, 42, "<", ArrowDirection::Left},
                                {96, 66, "v", ArrowDirection::Down}};
    for (int i = 0; i < 4; ++i) {
        QPushButton* button = AddPanelButton(this, "cmdMoveScreen", moves[i].Caption,
                                             Pixels(moves[i].Left, moves[i].Top, 26, 24));
        button->setProperty("index", i);
        const ArrowDirection direction = moves[i].Direction;
        connect(button, &QPushButton::clicked, this,
                [this, direction] { session_.Apply(&Editor::MoveExit, direction); });
    }
    AddLabel(this, nullptr, QStringLiteral("Destination:"), Pixels(8, 100, 84, 17));
    boxes_[int(ExitField::Destination)] = AddTextBox(this, "txtExitDestination", Pixels(96, 97, 89, 21));
    lstDestinationLevels_ = new QListWidget(this);
    lstDestinationLevels_->setObjectName(QStringLiteral("lstDestinationLevels"));
    PlaceWidget(lstDestinationLevels_, Pixels(8, 122, 177, 86));
    AddLabel(this, nullptr, QStringLiteral("Entrance Type:"), Pixels(8, 216, 84, 17));
    boxes_[int(ExitField::EntranceType)] = AddTextBox(this, "txtEntranceType", Pixels(96, 213, 89, 21));
    lstEntranceTypes_ = new QListWidget(this);
    lstEntranceTypes_->setObjectName(QStringLiteral("lstEntranceTypes"));
    PlaceWidget(lstEntranceTypes_, Pixels(8, 238, 177, 60));
    AddLabel(this, nullptr, QStringLiteral("Entrance X:"), Pixels(8, 306, 84, 17));
    boxes_[int(ExitField::EntranceX)] = AddTextBox(this, "txtEntranceX", Pixels(96, 303, 89, 21));
    AddLabel(this, nullptr, QStringLiteral("Entrance Y:"), Pixels(8, 330, 84, 17));
    boxes_[int(ExitField::EntranceY)] = AddTextBox(this, "txtEntranceY", Pixels(96, 327, 89, 21));
    QPushButton* previous = AddPanelButton(this, "cmdScreenPrev", "<", Pixels(8, 354, 40, 24));
    QPushButton* go = AddPanelButton(this, "cmdScreenGoto", "Goto", Pixels(52, 354, 88, 24));
    QPushButton* next = AddPanelButton(this, "cmdScreenNext", ">", Pixels(144, 354, 40, 24));
    AddLabel(this, nullptr, QStringLiteral("Bytes/Allowed"), Pixels(8, 384, 96, 17));
    lblByteUsage2_ = AddLabel(this, "lblByteUsage2", QString(), Pixels(108, 384, 78, 17));
    hide();
    setEnabled(false);
    // Shown over the object info: it paints its own background so nothing beneath shows through.
    setAutoFillBackground(true);

    connect(previous, &QPushButton::clicked, this, [this] { session_.Apply(&Editor::ExitPrevious); });
    connect(go, &QPushButton::clicked, this, [this] { session_.Apply(&Editor::ExitGoto); });
    connect(next, &QPushButton::clicked, this, [this] { session_.Apply(&Editor::ExitNext); });
    for (ExitField field :
         {ExitField::Destination, ExitField::EntranceX, ExitField::EntranceY, ExitField::EntranceType}) {
        connect(Box(field), &QLineEdit::textChanged, this, [this, field](const QString& text) {
            session_.Apply(&Editor::StoreExitField, field, ToStdString(text));
        });
    }
    // A click or a keyboard move in a list picks its entry; the focus arriving does not.
    for (auto [list, field] : {std::pair{lstDestinationLevels_, ExitField::Destination},
                               std::pair{lstEntranceTypes_, ExitField::EntranceType}}) {
        connect(
            new EntryPicker(list), &EntryPicker::Picked, this, [this, list = list, field = field](int row) {
                session_.Apply(&Editor::PickExitValue, field, list->item(row)->data(Qt::UserRole).toInt());
            });
    }
    connect(&session_, &EditorSession::Changed, this, &ScreenExitPanel::ShowReport);
}

QLineEdit* ScreenExitPanel::Box(ExitField field) const { return boxes_[static_cast<size_t>(field)]; }

void ScreenExitPanel::FillLists() {
    auto fill = [](QListWidget* list, const std::vector<ListItem>& items) {
        list->clear();
        for (const ListItem& item : items) {
            auto* line = new QListWidgetItem(ToCaption(item.Text), list);
            line->setData(Qt::UserRole, item.Value);
        }
    };
    fill(lstDestinationLevels_, session_.Defs().DestinationLevels);
    fill(lstEntranceTypes_, session_.Defs().EntranceTypes);
}

void ScreenExitPanel::ShowExitInfo() {
    const ScreenExitInfo info = BuildScreenExitInfo(session_.State().Level);
    // The byte count belongs to the level and is always shown.
    SetCaption(lblByteUsage2_, info.ByteUsage);
    SetTextColour(lblByteUsage2_, info.ByteUsageColour);
    if (!info.Fields) return;
    // Each box's change stores its field again; the values are the same.
    Box(ExitField::EntranceType)->setText(ToCaption(info.Fields->EntranceType));
    Box(ExitField::EntranceX)->setText(ToCaption(info.Fields->EntranceX));
    Box(ExitField::EntranceY)->setText(ToCaption(info.Fields->EntranceY));
    Box(ExitField::Destination)->setText(ToCaption(info.Fields->Destination));
}

void ScreenExitPanel::ShowReport(const ChangeReport& report) {
    if (report.PictureChanged || report.ExitInfoChanged) ShowExitInfo();
    if (report.FieldText) Box(report.FieldText->Field)->setText(ToQString(report.FieldText->Text));
    const EditorState& state = session_.State();
    setVisible(state.InScreenExitMode());
    setEnabled(state.Tool.ExitEditorEnabled);
}

}  // namespace tarnloft
