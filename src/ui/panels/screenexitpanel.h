// The Screen Exit Editor (fraScreenExits): shown in Screen Exit mode over
// the object info; moves the selected exit, steps through the exits, and
// edits its four fields in text boxes or from two lists.
#pragma once
#include <QGroupBox>
#include <array>

#include "edit/changereport.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tarnloft {

class EditorSession;

class ScreenExitPanel : public QGroupBox {
    Q_OBJECT
public:
    ScreenExitPanel(EditorSession& session, QWidget* parent);

    // Fills the two lists from the catalogues (after the definition files are read).
    void FillLists();

public slots:
    void ShowReport(const tarnloft::ChangeReport& report);

private:
    QLineEdit* Box(ExitField field) const;
    void ShowExitInfo();

    EditorSession& session_;
    std::array<QLineEdit*, 4> boxes_{};  // indexed by ExitField
    QListWidget* lstDestinationLevels_ = nullptr;
    QListWidget* lstEntranceTypes_ = nullptr;
    QLabel* lblByteUsage2_ = nullptr;
};

}  // namespace tarnloft
