// The separate object list window (frmObjectList): a modeless tool window
// that mirrors the main window's catalogue list and forwards the user's
// actions (check boxes, filter, entry clicks, Create and Remove) as signals.
#pragma once
#include <QWidget>
#include <array>
#include <string>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tarnloft {

class ObjectListWindow : public QWidget {
    Q_OBJECT
public:
    explicit ObjectListWindow(QWidget* parent = nullptr);

    // Clears the list and refills it with `texts`; nothing stays selected.
    void SetEntries(const std::vector<std::string>& texts);

signals:
    // States of the check boxes "Norm", "X", "Sprite" after a click on any of them.
    void ListableChanged(bool norm, bool x, bool sprite);
    // Every change of the filter box's text.
    void FilterChanged(const QString& text);
    // The user picked the entry at `row` (a click, or a keyboard move in the list).
    void EntryClicked(int row);
    // "&Create" and "&Remove": the main window's commands of the same names.
    void CreateClicked();
    void RemoveClicked();
    // The window's own close button: the window is discarded after this.
    void Closed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ListableClicked();

    QGroupBox* fraListOptions_ = nullptr;
    QLineEdit* txtFilter_ = nullptr;
    std::array<QCheckBox*, 3> chkListable_{};
    QListWidget* lstObjects_ = nullptr;
    QPushButton* create_ = nullptr;
    QPushButton* remove_ = nullptr;
    bool closed_ = false;
};

}  // namespace tarnloft
