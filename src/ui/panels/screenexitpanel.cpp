#include "panels/screenexitpanel.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include "edit/screenexits.h"
#include "level/selectioninfo.h"
#include "panels/panelsupport.h"
#include "session/editorsession.h"
#include "widgets/entrypicker.h"

namespace tarnloft {

ScreenExitPanel::ScreenExitPanel(EditorSession& session, QWidget* parent)
    : QGroupBox(QStringLiteral("Screen Exit Editor"), parent), session_(session) {
    setObjectName(QStringLiteral("fraScreenExits"));
    AddMoveButtons();
    AddFields();
    AddSteppingButtons();
    AddLabel(this, nullptr, QStringLiteral("Bytes/Allowed"), Pixels(8, 384, 96, 17));
    lblByteUsage2_ = AddLabel(this, "lblByteUsage2", QString(), Pixels(108, 384, 78, 17));
    hide();
    setEnabled(false);
    // Shown over the object info: it paints its own background so nothing beneath shows through.
    setAutoFillBackground(true);
    connect(&session_, &EditorSession::Changed, this, &ScreenExitPanel::ShowReport);
}

// cmdMoveScreen 0..3: right, up, left, down, laid out as a cross.
void ScreenExitPanel::AddMoveButtons() {
    AddLabel(this, nullptr, QStringLiteral("Move Exit:"), Pixels(8, 46, 70, 17));
    struct MoveButton {
        int Left, Top;
        const char* Caption;
        ArrowDirection Direction;
    };
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
}

// The four boxes, two with the lists that fill them. Only the user's edits
// store a box's text; what the program puts there stores nothing.
void ScreenExitPanel::AddFields() {
    const struct {
        ExitField Field;
        const char *Caption, *Name;
        int Top;
    } fields[] = {{ExitField::Destination, "Destination:", "txtExitDestination", 97},
                  {ExitField::EntranceType, "Entrance Type:", "txtEntranceType", 213},
                  {ExitField::EntranceX, "Entrance X:", "txtEntranceX", 303},
                  {ExitField::EntranceY, "Entrance Y:", "txtEntranceY", 327}};
    for (const auto& f : fields) {
        AddLabel(this, nullptr, QString::fromLatin1(f.Caption), Pixels(8, f.Top + 3, 84, 17));
        QLineEdit* box = AddTextBox(this, f.Name, Pixels(96, f.Top, 89, 21));
        boxes_[static_cast<size_t>(f.Field)] = box;
        const ExitField field = f.Field;
        connect(box, &QLineEdit::textEdited, this, [this, field](const QString& text) {
            session_.Apply(&Editor::StoreExitField, field, ToStdString(text));
            FollowBox(field);
        });
        if (field == ExitField::Destination)
            lstDestinationLevels_ = AddList("lstDestinationLevels", Pixels(8, 122, 177, 86), field);
        if (field == ExitField::EntranceType)
            lstEntranceTypes_ = AddList("lstEntranceTypes", Pixels(8, 238, 177, 60), field);
    }
}

// A click or a keyboard move in a list picks its entry; the focus arriving does not.
QListWidget* ScreenExitPanel::AddList(const char* name, Place place, ExitField field) {
    auto* list = new QListWidget(this);
    list->setObjectName(QString::fromLatin1(name));
    PlaceWidget(list, place);
    connect(new EntryPicker(list), &EntryPicker::Picked, this, [this, list, field](int row) {
        session_.Apply(&Editor::PickExitValue, field, list->item(row)->data(Qt::UserRole).toInt());
    });
    return list;
}

void ScreenExitPanel::AddSteppingButtons() {
    QPushButton* previous = AddPanelButton(this, "cmdScreenPrev", "<", Pixels(8, 354, 40, 24));
    QPushButton* go = AddPanelButton(this, "cmdScreenGoto", "Goto", Pixels(52, 354, 88, 24));
    QPushButton* next = AddPanelButton(this, "cmdScreenNext", ">", Pixels(144, 354, 40, 24));
    connect(previous, &QPushButton::clicked, this, [this] { session_.Apply(&Editor::ExitPrevious); });
    connect(go, &QPushButton::clicked, this, [this] { session_.Apply(&Editor::ExitGoto); });
    connect(next, &QPushButton::clicked, this, [this] { session_.Apply(&Editor::ExitNext); });
}

QLineEdit* ScreenExitPanel::Box(ExitField field) const { return boxes_[static_cast<size_t>(field)]; }

QListWidget* ScreenExitPanel::ListOf(ExitField field) const {
    if (field == ExitField::Destination) return lstDestinationLevels_;
    return field == ExitField::EntranceType ? lstEntranceTypes_ : nullptr;
}

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

// The selected exit's fields; empty boxes in a disabled frame when the level has no exit.
void ScreenExitPanel::ShowExitInfo() {
    const ScreenExitInfo info = BuildScreenExitInfo(session_.State().Level);
    SetCaption(lblByteUsage2_, info.ByteUsage);
    SetTextColour(lblByteUsage2_, info.ByteUsageColour);
    const ScreenExitFields fields = info.Fields.value_or(ScreenExitFields{});
    ShowBox(ExitField::EntranceType, ToCaption(fields.EntranceType));
    ShowBox(ExitField::EntranceX, ToCaption(fields.EntranceX));
    ShowBox(ExitField::EntranceY, ToCaption(fields.EntranceY));
    ShowBox(ExitField::Destination, ToCaption(fields.Destination));
    setEnabled(session_.State().ExitEditorEnabled());
}

void ScreenExitPanel::ShowBox(ExitField field, const QString& text) {
    if (Box(field)->text() != text) Box(field)->setText(text);
    FollowBox(field);
}

void ScreenExitPanel::FollowBox(ExitField field) {
    QListWidget* list = ListOf(field);
    if (!list) return;
    std::optional<uint8_t> value;
    if (session_.State().ExitEditorEnabled()) value = ExitBoxValue(ToStdString(Box(field)->text()));
    auto holds = [&](int row) {
        return value && row >= 0 && list->item(row)->data(Qt::UserRole).toInt() == *value;
    };
    // The line the user picked stays highlighted even where another line has the same value.
    int row = holds(list->currentRow()) ? list->currentRow() : -1;
    for (int i = 0; row < 0 && value && i < list->count(); ++i)
        if (holds(i)) row = i;
    // Following the box picks nothing.
    const QSignalBlocker blocker(list);
    list->setCurrentRow(row);
    if (row < 0) list->clearSelection();
}

void ScreenExitPanel::ShowReport(const ChangeReport& report) {
    if (report.PictureChanged || report.ExitInfoChanged) ShowExitInfo();
    if (report.FieldText) ShowBox(report.FieldText->Field, ToQString(report.FieldText->Text));
    if (report.ModeChanged) setVisible(session_.State().InScreenExitMode());
}

}  // namespace tarnloft
