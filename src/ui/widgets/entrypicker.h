// One rule for the lists whose entries fill a box or another list: the user
// picks an entry by clicking it or by moving the current entry with the
// keyboard inside the list. The list receiving the focus picks nothing,
// though the toolkit then makes its first entry current.
#pragma once
#include <QObject>

class QListWidget;

namespace tarnloft {

class EntryPicker : public QObject {
    Q_OBJECT
public:
    // Watches `list`; the picker belongs to the list.
    explicit EntryPicker(QListWidget* list);

signals:
    // The row of each entry the user picks.
    void Picked(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Pick(int row);

    QListWidget* list_;
    bool focusArriving_ = false;  // from the focus arriving until the user's next key or press
};

}  // namespace tarnloft
