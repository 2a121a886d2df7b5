// The catalogue panel: the list of everything that can be created
// (lstObjects), its options (fraListOptions: filter box and the three
// "listable" check boxes), Create and Remove (fraSubPanel), and the wiring
// of the separate object list window that mirrors it. The three parts are
// placed apart by the layout pass, so the panel is an owner of three child
// widgets of the window's client area rather than one frame.
#pragma once
#include <QObject>
#include <QPointer>
#include <array>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QWidget;

namespace tarnloft {

class EditorSession;
class ObjectListWindow;

class CataloguePanel : public QObject {
    Q_OBJECT
public:
    CataloguePanel(EditorSession& session, QWidget* client);
    ~CataloguePanel() override;

    QListWidget* List() const { return lstObjects_; }
    QGroupBox* Options() const { return fraListOptions_; }
    QGroupBox* Buttons() const { return fraSubPanel_; }
    // Shows or hides the three parts (the list column of the window).
    void SetShown(bool shown);

    // Rebuilds lstObjects (and the separate window's copy) from the catalogues,
    // the check boxes and the filter text.
    void RemakeObjectList();
    // The separate list window: shown, hidden, or gone.
    void ShowListWindow(bool shown);
    void HideListWindow();

    // Value of the selected catalogue line; nullopt when none is selected.
    std::optional<int> SelectedValue() const;

signals:
    // The separate list window was closed by its own close button.
    void ListWindowClosed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // "&Create" from the selected catalogue line, "&Remove" the selected entry.
    void Create();
    void Remove();
    ObjectListWindow* EnsureListWindow();
    void MirrorObjectList();

    EditorSession& session_;
    QListWidget* lstObjects_ = nullptr;
    QGroupBox* fraListOptions_ = nullptr;
    QGroupBox* fraSubPanel_ = nullptr;
    QLineEdit* txtFilter_ = nullptr;
    std::array<QCheckBox*, 3> chkListable_{};
    QPointer<ObjectListWindow> listWindow_;
};

}  // namespace tarnloft
