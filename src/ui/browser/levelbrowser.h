// The level browser (frmLevelBrowser): a picture and a caption for every
// level that LevelList.dat lists, drawn on worker threads while the editor
// stays usable, and a search box (txtLevelSearch) over the levels by index,
// name or an entry they use. Choosing a level asks the main window to load it.
#pragma once
#include <QIcon>
#include <QWidget>
#include <map>
#include <memory>
#include <vector>

#include "pictures/picturejobs.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QProgressBar;

namespace tarnloft {

class EditorSession;

// Pixels per tile of the browser's pictures: 512 x 256 for a whole level.
inline constexpr int BrowserTilePixels = 2;

class LevelBrowser : public QWidget {
    Q_OBJECT
public:
    explicit LevelBrowser(const EditorSession& session, QWidget* parent = nullptr);

    // Reads the image again and draws the pictures that are missing or whose
    // level changed since they were drawn; the others stay as they are.
    void Refresh();
    // Whether the last refresh has drawn every picture it asked for.
    bool Idle() const;

signals:
    // Double-click or Return on a level, or Return in the search box.
    void LevelChosen(qint64 index);

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape closes the window, as it closes a dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // A picture as drawn, with what it showed.
    struct Drawn {
        std::vector<LevelObject> Objects;
        std::vector<ScreenExit> Exits;
        QIcon Picture;
        int Scale = 1;
    };

    void ShowSurvey(std::shared_ptr<const Survey> survey);
    void ShowPicture(const PictureResult& result);
    // The icon for a level now; adds a request when it must be drawn.
    QIcon PictureFor(const SurveyedLevel& level, int position, std::vector<PictureRequest>& requests);
    QIcon Placeholder(const QString& text) const;
    void ApplySearch();
    void ChooseFirstShown();
    void ShowStatus();

    const EditorSession& session_;
    PictureJobs jobs_;
    std::shared_ptr<const Catalogues> defs_;
    std::shared_ptr<const Survey> survey_;
    PictureStyle style_;
    std::map<int, Drawn> drawn_;  // by level index
    int asked_ = 0;               // pictures asked for by the last refresh
    int arrived_ = 0;
    bool surveying_ = false;

    QLineEdit* search_;
    QListWidget* list_;
    QProgressBar* progress_;
    QLabel* status_;
};

}  // namespace tarnloft
