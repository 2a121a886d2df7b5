// Copy, Cut and Paste of the selected items through the system clipboard:
// our own format beside a readable text, read back with every check the
// format has; what cannot be pasted is said, never half done.
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QMimeData>

#include "app/mainwindow.h"
#include "edit/clipboard.h"
#include "edit/selection.h"
#include "prompts/prompts.h"
#include "surface/levelsurface.h"
#include "widgets/qtstrings.h"

namespace tarnloft {

namespace {

const char* const PasteTitle = "Tarnloft - Paste";
const char* const CopyTitle = "Tarnloft - Copy";

}  // namespace

bool MainWindow::CopySelection() {
    const LevelModel& level = State().Level;
    if (!level.HoldsEntry(level.SelectedObject)) return false;
    if (SelectedEntries(level).size() > size_t(MaxClipItems)) {
        prompts_.ShowMessage(CopyTitle, "The clipboard takes at most " + std::to_string(MaxClipItems) +
                                            " items; nothing was copied.");
        return false;
    }
    std::vector<LevelObject> entries;
    for (int index : SelectedEntries(level)) entries.push_back(level.LevelObjects[index]);
    const std::vector<ClipItem> items = ClipItemsOf(entries);
    auto* data = new QMimeData;
    const std::string payload = EncodeClipItems(items);
    data->setData(QString::fromLatin1(ClipboardMimeType),
                  QByteArray(payload.data(), qsizetype(payload.size())));
    data->setText(ToQString(DescribeClipItems(items, session_.Defs())));
    QGuiApplication::clipboard()->setMimeData(data);
    return true;
}

void MainWindow::CutSelection() {
    // Nothing is removed that did not reach the clipboard.
    if (CopySelection()) session_.Apply(&Editor::Cut);
}

void MainWindow::PasteItems() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QString mime = QString::fromLatin1(ClipboardMimeType);
    if (!data || !data->hasFormat(mime)) {
        prompts_.ShowMessage(PasteTitle, "The clipboard holds no Tarnloft items to paste.");
        return;
    }
    const QByteArray bytes = data->data(mime);
    std::string error;
    const std::optional<std::vector<ClipItem>> items =
        DecodeClipItems(std::string(bytes.constData(), size_t(bytes.size())), error);
    if (!items) {
        prompts_.ShowMessage(
            PasteTitle, "The items on the clipboard cannot be read (" + error + "). Nothing was pasted.");
        return;
    }
    // At the pointer when it is over the surface, else at the view's top-left tile.
    std::optional<PointerPosition> pointer;
    const QPointF at = surface_->mapFromGlobal(QCursor::pos());
    if (surface_->rect().contains(at.toPoint())) pointer = PointerPosition{at.x(), at.y()};
    session_.Apply(&Editor::Paste, EntriesOf(*items), pointer);
}

}  // namespace tarnloft
