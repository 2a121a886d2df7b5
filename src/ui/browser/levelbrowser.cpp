#include "browser/levelbrowser.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QVBoxLayout>

#include "browser/packedicon.h"
#include "level/levelsearch.h"
#include "pictures/pictureexport.h"
#include "session/editorsession.h"
#include "util/hex.h"
#include "widgets/qtstrings.h"

namespace tarnloft {

namespace {

// Room under a picture for its caption: index and name, bytes, two marks, a reason, a use count.
constexpr int CaptionLines = 5;

QString Caption(const std::vector<std::string>& lines) {
    QStringList parts;
    for (const std::string& line : lines) parts << ToQString(line);
    return parts.join(QLatin1Char('\n'));
}

}  // namespace

LevelBrowser::LevelBrowser(const EditorSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session) {
    setObjectName(QStringLiteral("frmLevelBrowser"));
    setWindowTitle(QStringLiteral("Level Browser"));
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("txtLevelSearch"));
    search_->setPlaceholderText(QStringLiteral("Index, name, or an entry such as 5A, X2F or S12A"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("lstLevelBrowser"));
    list_->setViewMode(QListView::IconMode);
    list_->setMovement(QListView::Static);
    list_->setResizeMode(QListView::Adjust);
    list_->setWordWrap(true);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("prgLevelBrowser"));
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lblLevelBrowserStatus"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(search_);
    layout->addWidget(list_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(status_, 1);
    bottom->addWidget(progress_);
    layout->addLayout(bottom);
    resize(1120, 720);

    connect(search_, &QLineEdit::textChanged, this, [this] { ApplySearch(); });
    connect(search_, &QLineEdit::returnPressed, this, [this] { ChooseFirstShown(); });
    connect(list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { emit LevelChosen(item->data(Qt::UserRole).toLongLong()); });
    connect(&jobs_, &PictureJobs::Surveyed, this, &LevelBrowser::ShowSurvey);
    connect(&jobs_, &PictureJobs::PictureDone, this, &LevelBrowser::ShowPicture);
}

void LevelBrowser::Refresh() {
    std::string error;
    std::shared_ptr<const ImageBytes> image = CopyImage(session_.Rom(), error);
    if (!image) {
        jobs_.Cancel();
        surveying_ = false;
        status_->setText(ToQString(error));
        return;
    }
    style_ = SurfaceStyle(BrowserTilePixels, {}, PictureScale(devicePixelRatioF()));
    const QSize size(PictureSizeFor(BrowserTilePixels).Width, PictureSizeFor(BrowserTilePixels).Height);
    list_->setIconSize(size);
    list_->setGridSize(QSize(size.width() + 16, size.height() + 8 + CaptionLines * fontMetrics().height()));
    defs_ = std::make_shared<const Catalogues>(session_.Defs());
    surveying_ = true;
    jobs_.StartSurvey(std::move(image), defs_);
    ShowStatus();
}

bool LevelBrowser::Idle() const { return !surveying_ && arrived_ == asked_; }

void LevelBrowser::ShowSurvey(std::shared_ptr<const Survey> survey) {
    surveying_ = false;
    // Items are kept when the same levels come back, so the view stays where it was.
    bool same = list_->count() == static_cast<int>(survey->size());
    for (int i = 0; same && i < list_->count(); ++i)
        same = list_->item(i)->data(Qt::UserRole).toInt() == (*survey)[static_cast<size_t>(i)].Summary.Index;
    if (!same) list_->clear();
    survey_ = std::move(survey);
    std::vector<PictureRequest> requests;
    for (int i = 0; i < static_cast<int>(survey_->size()); ++i) {
        QListWidgetItem* item = same ? list_->item(i) : new QListWidgetItem(list_);
        const SurveyedLevel& level = (*survey_)[static_cast<size_t>(i)];
        item->setData(Qt::UserRole, level.Summary.Index);
        item->setIcon(PictureFor(level, i, requests));
    }
    ApplySearch();
    asked_ = static_cast<int>(requests.size());
    arrived_ = 0;
    if (!requests.empty()) jobs_.StartDrawing(std::move(requests), defs_, style_, PackPicture());
    ShowStatus();
}

QIcon LevelBrowser::PictureFor(const SurveyedLevel& level, int position,
                               std::vector<PictureRequest>& requests) {
    const LevelSummary& summary = level.Summary;
    if (!level.Drawable()) return Placeholder(ToQString(summary.Problem.value_or("")));
    const auto drawn = drawn_.find(summary.Index);
    const bool current = drawn != drawn_.end() && drawn->second.Objects == level.Level->LevelObjects &&
                         drawn->second.Exits == level.Level->ScreenExits &&
                         drawn->second.Scale == style_.Scale;
    if (current) return drawn->second.Picture;
    requests.push_back(PictureRequest{position, summary.Index, *level.Level});
    // The old picture stays until the new one arrives.
    return drawn != drawn_.end() ? drawn->second.Picture : Placeholder(QString());
}

QIcon LevelBrowser::Placeholder(const QString& text) const {
    const PictureSize size = PictureSizeFor(BrowserTilePixels);
    QImage image(size.Width * style_.Scale, size.Height * style_.Scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(style_.Scale);
    image.fill(style_.Background);
    QPainter painter(&image);
    painter.setPen(Qt::red);
    painter.drawText(QRect(8, 8, size.Width - 16, size.Height - 16), Qt::AlignCenter | Qt::TextWordWrap,
                     text);
    painter.end();
    return QIcon(QPixmap::fromImage(image));
}

void LevelBrowser::ShowPicture(const PictureResult& result) {
    ++arrived_;
    progress_->setValue(arrived_);
    const size_t position = static_cast<size_t>(result.Position);
    if (!survey_ || position >= survey_->size() || result.Error) return ShowStatus();
    const LevelModel& level = *(*survey_)[position].Level;
    Drawn& drawn = drawn_[result.Index];
    drawn = Drawn{level.LevelObjects, level.ScreenExits,
                  PackedIcon(result.Packed, result.PackedSize, style_.Scale), style_.Scale};
    if (QListWidgetItem* item = list_->item(result.Position)) item->setIcon(drawn.Picture);
    ShowStatus();
}

void LevelBrowser::ApplySearch() {
    if (!survey_) return;
    const std::string text = ToStdString(search_->text());
    const LevelQuery query = ParseLevelQuery(text);
    std::map<int, int> found;  // index -> uses
    for (const LevelMatch& match : SearchLevels(*survey_, *defs_, text)) found[match.Index] = match.Uses;
    for (int i = 0; i < list_->count(); ++i) {
        QListWidgetItem* item = list_->item(i);
        const LevelSummary& summary = (*survey_)[static_cast<size_t>(i)].Summary;
        std::vector<std::string> lines = SummaryLines(summary);
        const auto match = found.find(summary.Index);
        if (match != found.end() && match->second > 0)
            lines.push_back(UsesText(*query.EntryValue, match->second));
        item->setText(Caption(lines));
        item->setToolTip(Caption(lines));
        item->setForeground(summary.Problem ? QBrush(Qt::red) : list_->palette().text());
        item->setHidden(match == found.end());
    }
}

void LevelBrowser::ChooseFirstShown() {
    for (int i = 0; i < list_->count(); ++i)
        if (!list_->item(i)->isHidden())
            return emit LevelChosen(list_->item(i)->data(Qt::UserRole).toLongLong());
}

void LevelBrowser::ShowStatus() {
    QString text;
    if (surveying_) {
        text = QStringLiteral("Reading the levels...");
    } else if (survey_) {
        int problems = 0;
        for (const SurveyedLevel& level : *survey_) problems += level.Summary.Problem ? 1 : 0;
        text = QStringLiteral("%1 levels, %2 without a picture").arg(survey_->size()).arg(problems);
        if (arrived_ < asked_) text += QStringLiteral("; drawing %1 of %2").arg(arrived_ + 1).arg(asked_);
    }
    status_->setText(text);
    progress_->setRange(0, surveying_ ? 0 : std::max(asked_, 1));
    progress_->setValue(surveying_ ? 0 : (asked_ == 0 ? 1 : arrived_));
}

void LevelBrowser::closeEvent(QCloseEvent* event) {
    // Work that nobody looks at is stopped; opening the window again starts afresh.
    jobs_.Cancel();
    surveying_ = false;
    asked_ = arrived_ = 0;
    QWidget::closeEvent(event);
}

void LevelBrowser::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) return void(close());
    QWidget::keyPressEvent(event);
}

}  // namespace tarnloft
