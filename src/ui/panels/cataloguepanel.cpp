#include "panels/cataloguepanel.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>

#include "catalogue/cataloguelist.h"
#include "dialogs/objectlistwindow.h"
#include "panels/panelsupport.h"
#include "session/editorsession.h"

namespace tarnloft {

CataloguePanel::CataloguePanel(EditorSession& session, QWidget* client) : QObject(client), session_(session) {
    // Object: create from the catalogue list, remove the selection.
    fraSubPanel_ = new QGroupBox(QStringLiteral("Object"), client);
    fraSubPanel_->setObjectName(QStringLiteral("fraSubPanel"));
    QPushButton* create = AddPanelButton(fraSubPanel_, "cmdAddObject", "&Create", Pixels(8, 18, 78, 24));
    QPushButton* remove = AddPanelButton(fraSubPanel_, "cmdRemoveObject", "&Remove", Pixels(91, 18, 78, 24));

    // The catalogue list and its options.
    lstObjects_ = new QListWidget(client);
    lstObjects_->setObjectName(QStringLiteral("lstObjects"));
    QFont listFont;
    listFont.setFamilies({QStringLiteral("Courier New"), QStringLiteral("DejaVu Sans Mono")});
    listFont.setStyleHint(QFont::Monospace);
    listFont.setPointSize(9);
    lstObjects_->setFont(listFont);
    lstObjects_->setUniformItemSizes(true);

    fraListOptions_ = new QGroupBox(QStringLiteral("Object list options"), client);
    fraListOptions_->setObjectName(QStringLiteral("fraListOptions"));
    QLabel* filterLabel =
        AddLabel(fraListOptions_, "lblFilter", QStringLiteral("&Filter"), Pixels(8, 20, 49, 17));
    txtFilter_ = AddTextBox(fraListOptions_, "txtFilter", Pixels(64, 17, 121, 21));
    filterLabel->setBuddy(txtFilter_);
    const char* listable[] = {"Norm", "X", "Sprite"};
    for (int i = 0; i < 3; ++i) {
        auto* box = new QCheckBox(QString::fromLatin1(listable[i]), fraListOptions_);
        box->setObjectName(QStringLiteral("chkListable"));
        box->setProperty("index", i);
        PlaceWidget(box, Pixels(8 + 56 * i, 42, 56, 18));
        box->setChecked(true);
        chkListable_[i] = box;
        connect(box, &QCheckBox::clicked, this, [this] { RemakeObjectList(); });
    }
    // Every key released in the filter box rebuilds the list, changed text or not.
    txtFilter_->installEventFilter(this);

    connect(create, &QPushButton::clicked, this, &CataloguePanel::Create);
    connect(remove, &QPushButton::clicked, this, &CataloguePanel::Remove);
}

void CataloguePanel::Create() { session_.Apply(&Editor::Create, SelectedValue()); }

void CataloguePanel::Remove() { session_.Apply(&Editor::Remove); }

CataloguePanel::~CataloguePanel() {
    // The separate list window is a top-level window of its own.
    delete listWindow_;
}

void CataloguePanel::SetShown(bool shown) {
    fraSubPanel_->setVisible(shown);
    fraListOptions_->setVisible(shown);
    lstObjects_->setVisible(shown);
}

bool CataloguePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtFilter_ && event->type() == QEvent::KeyRelease) RemakeObjectList();
    return QObject::eventFilter(watched, event);
}

std::optional<int> CataloguePanel::SelectedValue() const {
    const QList<QListWidgetItem*> selected = lstObjects_->selectedItems();
    if (selected.isEmpty()) return std::nullopt;
    return selected.front()->data(Qt::UserRole).toInt();
}

void CataloguePanel::RemakeObjectList() {
    // The list follows what the check boxes and the filter box show now,
    // however their state was reached (typing, pasting, the separate window).
    CatalogueListOptions options;
    for (int i = 0; i < 3; ++i) options.Listable[i] = chkListable_[i]->isChecked();
    options.Filter = ToStdString(txtFilter_->text());
    const std::vector<ListItem> items = tarnloft::RemakeObjectList(session_.Defs(), options);
    lstObjects_->setUpdatesEnabled(false);
    lstObjects_->clear();
    for (const ListItem& item : items) {
        auto* line = new QListWidgetItem(ToCaption(item.Text), lstObjects_);
        line->setData(Qt::UserRole, item.Value);
    }
    lstObjects_->setCurrentRow(-1);
    lstObjects_->setUpdatesEnabled(true);
    MirrorObjectList();
}

void CataloguePanel::MirrorObjectList() {
    if (!listWindow_) return;
    std::vector<std::string> texts;
    texts.reserve(static_cast<size_t>(lstObjects_->count()));
    for (int i = 0; i < lstObjects_->count(); ++i) texts.push_back(ToStdString(lstObjects_->item(i)->text()));
    listWindow_->SetEntries(texts);
}

void CataloguePanel::ShowListWindow(bool shown) {
    if (shown) {
        ObjectListWindow* window = EnsureListWindow();
        window->show();
        window->raise();
    } else {
        HideListWindow();
    }
}

void CataloguePanel::HideListWindow() {
    if (listWindow_) listWindow_->hide();
}

ObjectListWindow* CataloguePanel::EnsureListWindow() {
    if (listWindow_) return listWindow_;
    // A floating tool window owned by the main window.
    auto* window = new ObjectListWindow(lstObjects_->window());
    window->setWindowFlag(Qt::Tool, true);
    connect(window, &ObjectListWindow::ListableChanged, this, [this](bool norm, bool x, bool sprite) {
        const bool states[3] = {norm, x, sprite};
        for (int i = 0; i < 3; ++i) chkListable_[i]->setChecked(states[i]);
        RemakeObjectList();
    });
    connect(window, &ObjectListWindow::FilterChanged, this, [this](const QString& text) {
        txtFilter_->setText(text);
        RemakeObjectList();
    });
    connect(window, &ObjectListWindow::EntryClicked, this, [this](int row) {
        if (row >= 0 && row < lstObjects_->count()) lstObjects_->setCurrentRow(row);
    });
    connect(window, &ObjectListWindow::CreateClicked, this, &CataloguePanel::Create);
    connect(window, &ObjectListWindow::RemoveClicked, this, &CataloguePanel::Remove);
    connect(window, &ObjectListWindow::Closed, this, &CataloguePanel::ListWindowClosed);
    listWindow_ = window;
    // A new window copies the main list as it stands; its selection stays.
    MirrorObjectList();
    return window;
}

}  // namespace tarnloft
