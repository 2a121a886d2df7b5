// Writing level pictures as PNG files: one file, the sink that writes each
// picture of a run into a folder, and "Export All Level Pictures", which
// draws every listed level on worker threads behind a progress dialog that
// can be cancelled and says at the end which levels got no picture.
#pragma once
#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "pictures/picturejobs.h"
#include "view/picturereport.h"

namespace tarnloft {

class Prompts;

inline constexpr const char* ExportAllTitle = "Tarnloft - Export All Level Pictures";

// Writes `picture` as a PNG file; on failure a text naming the file and why.
std::optional<std::string> SavePicture(const QImage& picture, const std::string& path);

// A sink that writes each picture into `folder` under PictureFileName and
// then drops it.
PictureSink SaveInto(const std::string& folder);
// A sink that keeps each picture's pixels packed only (util/pixelruns.h).
PictureSink PackPicture();

// The requests for the levels of `survey` that get a picture; `report`
// counts them all and lists why the others get none.
std::vector<PictureRequest> PictureRequests(const Survey& survey, PictureReport& report);

// One run of "Export All Level Pictures": deletes itself when it is done.
class PictureExportRun : public QObject {
    Q_OBJECT
public:
    PictureExportRun(std::shared_ptr<const ImageBytes> image, std::shared_ptr<const Catalogues> defs,
                     const PictureStyle& style, std::string folder, Prompts& prompts, QWidget* window);
    ~PictureExportRun() override;

    QProgressDialog* Dialog() const { return dialog_; }

signals:
    void Done(const tarnloft::PictureReport& report);

private:
    void Draw(std::shared_ptr<const Survey> survey);
    void Finish(bool cancelled);

    std::shared_ptr<const Catalogues> defs_;
    PictureStyle style_;
    std::string folder_;
    Prompts& prompts_;
    PictureJobs jobs_;
    PictureReport report_;
    QPointer<QProgressDialog> dialog_;
    bool finished_ = false;
};

}  // namespace tarnloft
