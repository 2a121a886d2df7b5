#include "pictures/picturejobs.h"

#include <QtConcurrent/QtConcurrentMap>
#include <QtConcurrent/QtConcurrentRun>

#include "rom/romimage.h"

namespace tarnloft {

namespace {

// The work of one request on a worker.
PictureResult Draw(const PictureRequest& request, const Catalogues& defs, const PictureStyle& style,
                   const PictureSink& sink) {
    PictureResult result;
    result.Position = request.Position;
    result.Index = request.Index;
    result.Picture = DrawLevelPicture(request.Level, defs, style);
    if (result.Picture.isNull())
        result.Error = "there is not enough memory for a picture of this size";
    else if (sink)
        sink(request, result);
    return result;
}

}  // namespace

std::shared_ptr<const ImageBytes> CopyImage(const RomImage& rom, std::string& error) {
    const int64_t size = rom.Size();
    if (size > MaxImageSize) {
        error = "The image is larger than " + std::to_string(MaxImageSize >> 20) + " MiB.";
        return nullptr;
    }
    auto bytes = std::make_shared<ImageBytes>(static_cast<size_t>(size));
    if (size > 0 && !rom.Read(1, bytes->data(), bytes->size())) {
        error = "The image cannot be read.";
        return nullptr;
    }
    return bytes;
}

PictureJobs::PictureJobs(QObject* parent) : QObject(parent) {}

PictureJobs::~PictureJobs() {
    Cancel();
    pool_.waitForDone();
}

void PictureJobs::StartSurvey(std::shared_ptr<const ImageBytes> image,
                              std::shared_ptr<const Catalogues> defs) {
    Cancel();
    auto cancelled = std::make_shared<std::atomic_bool>(false);
    surveyCancelled_ = cancelled;
    survey_ = std::make_unique<QFutureWatcher<std::shared_ptr<const Survey>>>();
    connect(survey_.get(), &QFutureWatcherBase::finished, this, [this] {
        if (survey_ && !survey_->isCanceled()) emit Surveyed(survey_->result());
    });
    survey_->setFuture(QtConcurrent::run(&pool_, [image, defs, cancelled] {
        return std::make_shared<const Survey>(SurveyLevels(*image, *defs, [&] { return cancelled->load(); }));
    }));
}

void PictureJobs::StartDrawing(std::vector<PictureRequest> requests, std::shared_ptr<const Catalogues> defs,
                               const PictureStyle& style, PictureSink sink) {
    Cancel();
    drawing_ = std::make_unique<QFutureWatcher<PictureResult>>();
    QFutureWatcher<PictureResult>* watcher = drawing_.get();
    connect(watcher, &QFutureWatcherBase::resultReadyAt, this,
            [this, watcher](int at) { emit PictureDone(watcher->resultAt(at)); });
    connect(watcher, &QFutureWatcherBase::progressValueChanged, this,
            [this, watcher](int done) { emit Progress(done, watcher->progressMaximum()); });
    connect(watcher, &QFutureWatcherBase::finished, this, [this] { emit Finished(); });
    watcher->setFuture(QtConcurrent::mapped(
        &pool_, std::move(requests),
        [defs, style, sink](const PictureRequest& request) { return Draw(request, *defs, style, sink); }));
}

void PictureJobs::Cancel() {
    if (surveyCancelled_) surveyCancelled_->store(true);
    for (QFutureWatcherBase* watcher : {static_cast<QFutureWatcherBase*>(survey_.get()),
                                        static_cast<QFutureWatcherBase*>(drawing_.get())}) {
        if (!watcher) continue;
        watcher->disconnect(this);
        watcher->cancel();
    }
    // The watchers go; the pieces still running finish on their own copies.
    survey_.reset();
    drawing_.reset();
}

bool PictureJobs::Busy() const {
    return (survey_ && survey_->isRunning()) || (drawing_ && drawing_->isRunning());
}

std::vector<PictureResult> PictureJobs::DrawAll(QThreadPool& pool, std::vector<PictureRequest> requests,
                                                const Catalogues& defs, const PictureStyle& style,
                                                const PictureSink& sink) {
    return QtConcurrent::blockingMapped<std::vector<PictureResult>>(
        &pool, std::move(requests),
        [&defs, &style, &sink](const PictureRequest& request) { return Draw(request, defs, style, sink); });
}

}  // namespace tarnloft
