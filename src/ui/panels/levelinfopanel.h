// "Level Info" (fraLevelInfo): the byte budgets of the two streams and the
// tile under the pointer.
#pragma once
#include <QGroupBox>

#include "edit/changereport.h"

class QLabel;

namespace tarnloft {

class EditorSession;

class LevelInfoPanel : public QGroupBox {
    Q_OBJECT
public:
    LevelInfoPanel(const EditorSession& session, QWidget* parent);

public slots:
    void ShowReport(const tarnloft::ChangeReport& report);

private:
    const EditorSession& session_;
    QLabel* lblByteUsage_ = nullptr;
    QLabel* lblSByteUsage_ = nullptr;
    QLabel* lblMousePos_ = nullptr;
};

}  // namespace tarnloft
