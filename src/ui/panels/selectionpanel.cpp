#include "panels/selectionpanel.h"

#include <QLabel>
#include <QPushButton>

#include "level/selectioninfo.h"
#include "panels/panelsupport.h"
#include "session/editorsession.h"
#include "widgets/placement.h"

namespace tarnloft {

SelectionPanel::SelectionPanel(EditorSession& session, QWidget* parent)
    : QGroupBox(QStringLiteral("Current Object Info"), parent), session_(session) {
    setObjectName(QStringLiteral("fraObjectInfo"));
    lblObjectInfo_ = AddLabel(this, "lblObjectInfo", QString(), Pixels(8, 20, 176, 96));
    QPushButton* previous = AddPanelButton(this, "cmdObjectPrev", "&<", Pixels(8, 120, 40, 25));
    QPushButton* go = AddPanelButton(this, "cmdGotoObject", "&Goto", Pixels(52, 120, 88, 25));
    QPushButton* next = AddPanelButton(this, "cmdObjectNext", "&>", Pixels(144, 120, 40, 25));
    connect(previous, &QPushButton::clicked, this, [this] { session_.Apply(&Editor::Previous); });
    connect(go, &QPushButton::clicked, this, [this] { session_.Apply(&Editor::Goto); });
    connect(next, &QPushButton::clicked, this, [this] { session_.Apply(&Editor::Next); });
    connect(&session_, &EditorSession::Changed, this, &SelectionPanel::ShowReport);
}

void SelectionPanel::ShowReport(const ChangeReport& report) {
    if (!report.PictureChanged) return;
    SetCaption(lblObjectInfo_, BuildSelectionInfo(session_.State().Level, session_.Defs()).ObjectInfo);
}

}  // namespace tarnloft
