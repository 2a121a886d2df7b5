#include "app/recentimages.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <algorithm>

#include "widgets/qtstrings.h"

namespace tarnloft {

namespace {
const QString Key = QStringLiteral("RecentImages");
}  // namespace

RecentImages::RecentImages(QMenu* menu, std::unique_ptr<QSettings> settings, QObject* parent)
    : QObject(parent), menu_(menu), settings_(std::move(settings)) {
    if (!settings_)
        settings_ = std::make_unique<QSettings>(QStringLiteral("tarnloft"), QStringLiteral("tarnloft"));
    Rebuild();
}

std::vector<std::string> RecentImages::Paths() const {
    std::vector<std::string> paths;
    for (const QString& path : settings_->value(Key).toStringList()) paths.push_back(FileNameToStd(path));
    return paths;
}

void RecentImages::Add(const std::string& path) {
    // Kept as absolute paths, so that a name given relative to one folder still works from another.
    const std::string absolute = FileNameToStd(QFileInfo(FileNameToQString(path)).absoluteFilePath());
    std::vector<std::string> paths = Paths();
    paths.erase(std::remove(paths.begin(), paths.end(), absolute), paths.end());
    paths.insert(paths.begin(), absolute);
    if (paths.size() > static_cast<size_t>(Limit)) paths.resize(Limit);
    Store(paths);
}

void RecentImages::Remove(const std::string& path) {
    std::vector<std::string> paths = Paths();
    paths.erase(std::remove(paths.begin(), paths.end(), path), paths.end());
    Store(paths);
}

void RecentImages::Store(const std::vector<std::string>& paths) {
    QStringList list;
    for (const std::string& path : paths) list << FileNameToQString(path);
    settings_->setValue(Key, list);
    settings_->sync();
    Rebuild();
}

void RecentImages::Rebuild() {
    menu_->clear();
    const std::vector<std::string> paths = Paths();
    for (size_t i = 0; i < paths.size(); ++i) {
        QString caption = FileNameToQString(paths[i]);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = menu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(caption));
        action->setObjectName(QStringLiteral("mnuFileRecentImage"));
        action->setProperty("index", static_cast<int>(i));
        // Later: opening the image rebuilds this menu, which deletes the action.
        connect(action, &QAction::triggered, this, [this, path = paths[i]] {
            QMetaObject::invokeMethod(
                this, [this, path] { emit Chosen(path); }, Qt::QueuedConnection);
        });
    }
    if (paths.empty()) {
        QAction* none = menu_->addAction(QStringLiteral("(none)"));
        none->setObjectName(QStringLiteral("mnuFileRecentNone"));
        none->setEnabled(false);
    }
    // A list that cannot be kept says so where it is shown.
    if (settings_->status() != QSettings::NoError) {
        QAction* failed =
            menu_->addAction(QStringLiteral("(this list cannot be saved in %1)").arg(settings_->fileName()));
        failed->setObjectName(QStringLiteral("mnuFileRecentUnsaved"));
        failed->setEnabled(false);
    }
}

}  // namespace tarnloft
