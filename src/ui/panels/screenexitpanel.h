// The Screen Exit Editor (fraScreenExits): shown in Screen Exit mode over
// the object info; moves the selected exit, steps through the exits, and
// edits its four fields in text boxes or from two lists. Showing an exit
// fills the boxes without storing anything; only the user's typing does.
#pragma once
#include <QGroupBox>
#include <array>

#include "edit/changereport.h"
#include "widgets/placement.h"

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
    void AddMoveButtons();
    void AddFields();
    void AddSteppingButtons();
    QListWidget* AddList(const char* name, Place place, ExitField field);
    QLineEdit* Box(ExitField field) const;
    // The list whose lines fill the box of `field`, if it has one.
    QListWidget* ListOf(ExitField field) const;
    void ShowExitInfo();
    void ShowBox(ExitField field, const QString& text);
    // The list's highlight on the line the box's text stands for, or none.
    void FollowBox(ExitField field);

    EditorSession& session_;
    std::array<QLineEdit*, 4> boxes_{};  // indexed by ExitField
    QListWidget* lstDestinationLevels_ = nullptr;
    QListWidget* lstEntranceTypes_ = nullptr;
    QLabel* lblByteUsage2_ = nullptr;
};

}  // namespace tarnloft
