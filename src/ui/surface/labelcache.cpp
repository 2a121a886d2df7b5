#include "surface/labelcache.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace tarnloft {

namespace {

// Coverage images (one byte a pixel) are kept for small labels only, within
// a byte budget; the limit lets the labels of a picture at twice the
// density take the same path as at once.
constexpr qsizetype MaxCoveragePixels = 256 * 1024;
constexpr qsizetype CoverageBudget = 16 * 1024 * 1024;
// Each thread that draws keeps its own labels: a layout belongs to one thread.
thread_local qsizetype coverageBytes = 0;

struct TextCache {
    std::unordered_map<std::string, QtCanvasLabel> Entries;
};

TextCache& Cache() {
    thread_local TextCache cache;
    return cache;
}
constexpr size_t MaxCachedLabels = 4096;

QStaticText Prepared(const QString& text, const QFont& font) {
    QStaticText label(text);
    label.setTextFormat(Qt::PlainText);
    label.setPerformanceHint(QStaticText::AggressiveCaching);
    label.prepare(QTransform(), font);
    return label;
}

}  // namespace

QtCanvasLabel& CachedLabel(const std::string& text, int pointSize, const QFont& font) {
    // The pixel size tells a picture drawn for a high-density screen apart.
    std::string key = std::to_string(pointSize) + '/' + std::to_string(font.pixelSize());
    key += '\x1f';
    key += text;
    auto& entries = Cache().Entries;
    auto it = entries.find(key);
    if (it != entries.end()) return it->second;
    if (entries.size() >= MaxCachedLabels) {
        entries.clear();
        coverageBytes = 0;
    }
    // Labels are the definition files' names, kept as UTF-8.
    const QString whole = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QtCanvasLabel entry;
    entry.Text = whole;
    entry.Whole = Prepared(whole, font);
    entry.WholeSize = entry.Whole.size();
    // Character starts from plain advances; kerning moves them far less
    // than the slack allowed for below.
    const QFontMetricsF metrics(font);
    entry.Starts.reserve(static_cast<size_t>(whole.size()));
    qreal start = 0;
    for (const QChar c : whole) {
        entry.Starts.push_back(start);
        start += metrics.horizontalAdvance(c);
    }
    entry.Slack = std::max<qreal>(8, 2 * metrics.height());
    return entries.emplace(std::move(key), std::move(entry)).first->second;
}

const QStaticText& LabelForWidth(QtCanvasLabel& entry, int width, const QFont& font) {
    const qreal limit = width + entry.Slack;
    const auto past = std::lower_bound(entry.Starts.begin(), entry.Starts.end(), limit);
    const int count = static_cast<int>(past - entry.Starts.begin()) + 2;
    if (count >= entry.Text.size()) return entry.Whole;
    for (const auto& [length, label] : entry.Shortened)
        if (length == count) return label;
    if (entry.Shortened.size() >= 8) entry.Shortened.clear();
    entry.Shortened.emplace_back(count, Prepared(entry.Text.left(count), font));
    return entry.Shortened.back().second;
}

const QImage& LabelCoverage(QtCanvasLabel& entry, const QFont& font) {
    if (!entry.CoverageTried) {
        entry.CoverageTried = true;
        const int width = int(std::ceil(entry.WholeSize.width())) + 2 * CoverageMargin;
        const int height = int(std::ceil(entry.WholeSize.height())) + 2 * CoverageMargin;
        const qsizetype pixels = qsizetype(width) * height;
        if (pixels > MaxCoveragePixels || coverageBytes + pixels > CoverageBudget) return entry.Coverage;
        entry.Coverage = QImage(width, height, QImage::Format_Alpha8);
        entry.Coverage.fill(Qt::transparent);
        QPainter painter(&entry.Coverage);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawStaticText(CoverageMargin, CoverageMargin, entry.Whole);
        coverageBytes += pixels;
    }
    return entry.Coverage;
}

void ClearLabelCache() {
    Cache().Entries.clear();
    coverageBytes = 0;
}

}  // namespace tarnloft
