#include "pictures/pictureexport.h"

#include <QImageWriter>
#include <QLabel>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>

#include "prompts/prompts.h"
#include "util/message.h"
#include "util/pixelruns.h"
#include "view/picturegeometry.h"
#include "widgets/qtstrings.h"

namespace tarnloft {

namespace {
// More lines than this make a message box taller than a screen.
constexpr size_t MaxFailuresShown = 20;
// The progress dialog of a run, its parts named like every other control.
QProgressDialog* NewProgressDialog(QWidget* window) {
    auto* dialog = new QProgressDialog(window);
    dialog->setObjectName(QStringLiteral("frmExportPictures"));
    dialog->setWindowTitle(QStringLiteral("Export All Level Pictures"));
    auto* label = new QLabel(QStringLiteral("Reading the levels..."), dialog);
    label->setObjectName(QStringLiteral("lblExportPictures"));
    auto* bar = new QProgressBar(dialog);
    bar->setObjectName(QStringLiteral("prgExportPictures"));
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), dialog);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    dialog->setLabel(label);
    dialog->setBar(bar);
    dialog->setCancelButton(cancel);
    dialog->setRange(0, 0);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(0);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    return dialog;
}

}  // namespace

std::optional<std::string> SavePicture(const QImage& picture, const std::string& path) {
    QImageWriter writer(FileNameToQString(path), "png");
    if (writer.write(picture)) return std::nullopt;
    return "cannot write " + path + ": " + ToStdString(writer.errorString());
}

PictureSink SaveInto(const std::string& folder) {
    return [folder](const PictureRequest& request, PictureResult& result) {
        result.Error = SavePicture(result.Picture, folder + "/" + PictureFileName(request.Index));
        result.Picture = QImage();
    };
}

PictureSink PackPicture() {
    return [](const PictureRequest&, PictureResult& result) {
        const QImage& picture = result.Picture;
        result.Packed = PackPixels(reinterpret_cast<const uint32_t*>(picture.constBits()), picture.width(),
                                   picture.height(), picture.bytesPerLine() / 4);
        result.PackedSize = picture.size();
        result.Picture = QImage();
    };
}

std::vector<PictureRequest> PictureRequests(const Survey& survey, PictureReport& report) {
    std::vector<PictureRequest> requests;
    report.Total = static_cast<int>(survey.size());
    for (size_t i = 0; i < survey.size(); ++i) {
        const SurveyedLevel& level = survey[i];
        if (level.Drawable())
            requests.push_back(PictureRequest{static_cast<int>(i), level.Summary.Index, *level.Level});
        else
            report.Failures.emplace_back(level.Summary.Index,
                                         level.Summary.Problem.value_or("the level does not load"));
    }
    return requests;
}

PictureExportRun::PictureExportRun(std::shared_ptr<const ImageBytes> image,
                                   std::shared_ptr<const Catalogues> defs, const PictureStyle& style,
                                   std::string folder, Prompts& prompts, QWidget* window)
    : QObject(window), defs_(defs), style_(style), folder_(std::move(folder)), prompts_(prompts) {
    dialog_ = NewProgressDialog(window);
    connect(dialog_, &QProgressDialog::canceled, this, [this] { Finish(true); });
    connect(&jobs_, &PictureJobs::Surveyed, this, &PictureExportRun::Draw);
    connect(&jobs_, &PictureJobs::PictureDone, this, [this](const PictureResult& result) {
        if (result.Error)
            report_.Failures.emplace_back(result.Index, *result.Error);
        else
            ++report_.Written;
        if (dialog_) dialog_->setValue(dialog_->value() + 1);
    });
    connect(&jobs_, &PictureJobs::Finished, this, [this] { Finish(false); });
    dialog_->show();
    jobs_.StartSurvey(std::move(image), std::move(defs));
}

PictureExportRun::~PictureExportRun() {
    if (dialog_) dialog_->deleteLater();
}

void PictureExportRun::Draw(std::shared_ptr<const Survey> survey) {
    std::vector<PictureRequest> requests = PictureRequests(*survey, report_);
    if (requests.empty()) return Finish(false);
    dialog_->setLabelText(QStringLiteral("Drawing and writing the pictures..."));
    dialog_->setRange(0, static_cast<int>(requests.size()));
    dialog_->setValue(0);
    jobs_.StartDrawing(std::move(requests), defs_, style_, SaveInto(folder_));
}

void PictureExportRun::Finish(bool cancelled) {
    if (finished_) return;
    finished_ = true;
    jobs_.Cancel();
    if (dialog_) dialog_->hide();
    std::vector<std::string> lines = PictureReportLines(report_, MaxFailuresShown);
    if (cancelled) lines.push_back("The export was cancelled.");
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : Crlf) + line;
    prompts_.ShowMessage(ExportAllTitle, text);
    emit Done(report_);
    deleteLater();
}

}  // namespace tarnloft
