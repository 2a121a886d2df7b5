// "Recent &Images" (mnuFileRecent): the last eight images opened, newest
// first, kept with QSettings between runs. Choosing one asks for it to be
// opened; the window removes it again when it no longer exists.
#pragma once
#include <QObject>
#include <QSettings>
#include <memory>
#include <string>
#include <vector>

class QMenu;

namespace tarnloft {

class RecentImages : public QObject {
    Q_OBJECT
public:
    static constexpr int Limit = 8;

    // Fills `menu` and keeps it up to date. Without `settings`, the user's
    // own settings of the application "tarnloft".
    explicit RecentImages(QMenu* menu, std::unique_ptr<QSettings> settings = nullptr,
                          QObject* parent = nullptr);

    // To the front of the list (once; the oldest beyond eight drop out).
    void Add(const std::string& path);
    void Remove(const std::string& path);
    std::vector<std::string> Paths() const;

signals:
    void Chosen(const std::string& path);

private:
    void Store(const std::vector<std::string>& paths);
    void Rebuild();

    QMenu* menu_;
    std::unique_ptr<QSettings> settings_;
};

}  // namespace tarnloft
