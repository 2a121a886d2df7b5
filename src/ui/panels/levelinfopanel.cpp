#include "panels/levelinfopanel.h"

#include "level/selectioninfo.h"
#include "panels/panelsupport.h"
#include "session/editorsession.h"

namespace tarnloft {

LevelInfoPanel::LevelInfoPanel(const EditorSession& session, QWidget* parent)
    : QGroupBox(QStringLiteral("Level Info"), parent), session_(session) {
    setObjectName(QStringLiteral("fraLevelInfo"));
    // The values take the frame's width right of the static captions.
    AddLabel(this, nullptr, QStringLiteral("Bytes/Available"), Pixels(8, 20, 96, 17));
    lblByteUsage_ = AddLabel(this, "lblByteUsage", QString(), Pixels(104, 20, 84, 17));
    AddLabel(this, nullptr, QStringLiteral("Sprite"), Pixels(8, 42, 96, 17));
    lblSByteUsage_ = AddLabel(this, "lblSByteUsage", QString(), Pixels(104, 42, 84, 17));
    AddLabel(this, nullptr, QStringLiteral("Mouse position:"), Pixels(8, 64, 96, 17));
    lblMousePos_ = AddLabel(this, "lblMousePos", QString(), Pixels(104, 64, 84, 17));
    connect(&session_, &EditorSession::Changed, this, &LevelInfoPanel::ShowReport);
}

void LevelInfoPanel::ShowReport(const ChangeReport& report) {
    if (report.PictureChanged) {
        const SelectionInfo info = BuildSelectionInfo(session_.State().Level, session_.Defs());
        SetCaption(lblByteUsage_, info.ByteUsage);
        SetCaption(lblSByteUsage_, info.SpriteByteUsage);
        SetTextColour(lblByteUsage_, info.ByteUsageColour);
        SetTextColour(lblSByteUsage_, info.SpriteByteUsageColour);
        lblByteUsage_->setToolTip(ToQString(info.ByteUsageToolTip));
        lblSByteUsage_->setToolTip(ToQString(info.SpriteByteUsageToolTip));
    }
    // Negative tiles show eight hex digits each.
    if (report.Pointer.MousePosition) SetFittingCaption(lblMousePos_, *report.Pointer.MousePosition);
}

}  // namespace tarnloft
