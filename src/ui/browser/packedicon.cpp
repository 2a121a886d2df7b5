#include "browser/packedicon.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <list>
#include <memory>
#include <utility>

#include "util/pixelruns.h"

namespace tarnloft {

namespace {

// Unpacked pictures, the one shown last first; on the UI thread only.
constexpr size_t KeptUnpacked = 32;
std::list<std::pair<quint64, QPixmap>>& Unpacked() {
    static std::list<std::pair<quint64, QPixmap>> pixmaps;
    return pixmaps;
}

class PackedIconEngine : public QIconEngine {
public:
    PackedIconEngine(std::vector<uint32_t> packed, QSize size, qreal ratio)
        : packed_(std::make_shared<const std::vector<uint32_t>>(std::move(packed))),
          size_(size),
          ratio_(ratio),
          id_(++lastId_) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->drawPixmap(rect, Pixels());
    }
    QPixmap pixmap(const QSize&, QIcon::Mode, QIcon::State) override { return Pixels(); }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        return (QSizeF(size_) / ratio_).toSize().boundedTo(size);
    }
    QIconEngine* clone() const override { return new PackedIconEngine(*this); }

private:
    QPixmap Pixels() const {
        auto& unpacked = Unpacked();
        for (auto it = unpacked.begin(); it != unpacked.end(); ++it)
            if (it->first == id_) {
                unpacked.splice(unpacked.begin(), unpacked, it);
                return it->second;
            }
        QImage image(size_, QImage::Format_RGB32);
        if (!UnpackPixels(*packed_, reinterpret_cast<uint32_t*>(image.bits()), image.width(), image.height(),
                          image.bytesPerLine() / 4))
            image.fill(Qt::white);
        image.setDevicePixelRatio(ratio_);
        unpacked.emplace_front(id_, QPixmap::fromImage(std::move(image)));
        if (unpacked.size() > KeptUnpacked) unpacked.pop_back();
        return unpacked.front().second;
    }

    static inline quint64 lastId_ = 0;
    std::shared_ptr<const std::vector<uint32_t>> packed_;  // shared by copies, as is the id
    QSize size_;
    qreal ratio_;
    quint64 id_;
};

}  // namespace

QIcon PackedIcon(std::vector<uint32_t> packed, QSize size, qreal devicePixelRatio) {
    return QIcon(new PackedIconEngine(std::move(packed), size, devicePixelRatio));
}

}  // namespace tarnloft
