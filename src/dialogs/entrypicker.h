// One rule for the lists whose entries fill a box or another list: the user
// picks an entry by clicking it or by moving the current entry with the
// keyboard inside the list. The list receiving the focus picks nothing,
// though the toolkit then makes its first entry current.
#pragma once
#include <QObject>
#include <functional>

class QListWidget;

class EntryPicker : public QObject {
public:
    // Calls `picked` with the row of each entry the user picks in `list`.
    // The picker belongs to the list.
    EntryPicker(QListWidget* list, std::function<void(int row)> picked);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Pick(int row);

    QListWidget* list_;
    std::function<void(int)> picked_;
    bool focusArriving_ = false;  // from the focus arriving until the user's next key or press
};
