// Drawing the pictures of many levels off the UI thread: a survey of every
// listed level on a worker, then one picture per level on as many workers
// as the machine has cores, each handed to a sink there (which may write it
// to a file). Everything the workers touch is a copy; results come back on
// the thread that started the work, as signals, and can be cancelled at once.
#pragma once
#include <QFutureWatcher>
#include <QImage>
#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogues.h"
#include "level/levelsurvey.h"
#include "pictures/levelpicture.h"

namespace tarnloft {

class RomImage;

using Survey = std::vector<SurveyedLevel>;

// One picture to draw: a copy of the level and the caller's number for it.
struct PictureRequest {
    int Position = 0;
    int Index = 0;  // the level's index
    LevelModel Level;
};

struct PictureResult {
    int Position = 0;
    int Index = 0;
    QImage Picture;                    // what the sink left of it
    std::vector<uint32_t> Packed;      // the picture's pixels packed, when the sink packed them
    QSize PackedSize;                  // in pixels
    std::optional<std::string> Error;  // why it was not finished
};

// Runs on a worker with each finished picture: may write it somewhere (an
// Error when that fails) or pack it, and may drop the pixels.
using PictureSink = std::function<void(const PictureRequest&, PictureResult&)>;

// The open image's bytes, copied for the workers; empty with an error text
// in `error` when it is too large or cannot be read.
std::shared_ptr<const ImageBytes> CopyImage(const RomImage& rom, std::string& error);

class PictureJobs : public QObject {
    Q_OBJECT
public:
    explicit PictureJobs(QObject* parent = nullptr);
    // Cancels, then waits for the pieces that are running (one picture each).
    ~PictureJobs() override;

    // Surveys every listed level of `image`; Surveyed follows.
    void StartSurvey(std::shared_ptr<const ImageBytes> image, std::shared_ptr<const Catalogues> defs);
    // Draws every request; PictureDone follows for each, then Finished.
    void StartDrawing(std::vector<PictureRequest> requests, std::shared_ptr<const Catalogues> defs,
                      const PictureStyle& style, PictureSink sink = {});
    // Stops the work at once: nothing more is started and no signal of it follows.
    void Cancel();
    bool Busy() const;

    // Draws every request on `pool` and waits: for programs without an event loop.
    static std::vector<PictureResult> DrawAll(QThreadPool& pool, std::vector<PictureRequest> requests,
                                              const Catalogues& defs, const PictureStyle& style,
                                              const PictureSink& sink = {});

signals:
    void Surveyed(std::shared_ptr<const tarnloft::Survey> levels);
    void PictureDone(const tarnloft::PictureResult& result);
    void Progress(int done, int total);
    void Finished();

private:
    QThreadPool pool_;
    std::shared_ptr<std::atomic_bool> surveyCancelled_;
    std::unique_ptr<QFutureWatcher<std::shared_ptr<const Survey>>> survey_;
    std::unique_ptr<QFutureWatcher<PictureResult>> drawing_;
};

}  // namespace tarnloft
