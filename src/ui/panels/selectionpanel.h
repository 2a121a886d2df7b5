// "Current Object Info" (fraObjectInfo): what is selected, and the buttons
// that step through the entries and centre the view on the selection.
#pragma once
#include <QGroupBox>

#include "edit/changereport.h"

class QLabel;

namespace tarnloft {

class EditorSession;

class SelectionPanel : public QGroupBox {
    Q_OBJECT
public:
    SelectionPanel(EditorSession& session, QWidget* parent);

public slots:
    void ShowReport(const tarnloft::ChangeReport& report);

private:
    EditorSession& session_;
    QLabel* lblObjectInfo_ = nullptr;
};

}  // namespace tarnloft
