// Laid-out surface labels, kept from one repaint to the next, and the glyph
// coverage images from which small labels are blended into the picture.
#pragma once
#include <QFont>
#include <QImage>
#include <QSizeF>
#include <QStaticText>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tarnloft {

// Laid-out labels, keyed by point size and text. Labels repeat from one
// repaint to the next, so laying them out once saves most of the text cost.
// A label is mostly far wider than its box; besides the whole text, an entry
// keeps shortened copies that stop a little past the box's right edge, so
// that glyphs which the clipping would hide anyway are never drawn.
struct QtCanvasLabel {
    QString Text;
    QStaticText Whole;
    QSizeF WholeSize;
    std::vector<qreal> Starts;                           // left edge of each character
    qreal Slack = 0;                                     // how far a glyph may reach left of its start
    std::vector<std::pair<int, QStaticText>> Shortened;  // by character count
    // Glyph coverage of the whole label (an alpha-only image), drawn once at
    // (Margin, Margin); empty until first needed or when too large.
    QImage Coverage;
    bool CoverageTried = false;
};

// The blank border around the label in its coverage image.
constexpr int CoverageMargin = 8;

// The cached layout of `text` in `font` (of `pointSize`), laid out on first
// use. Each thread has its own cache.
QtCanvasLabel& CachedLabel(const std::string& text, int pointSize, const QFont& font);

// The label to draw into a box `width` pixels wide: the whole text, or a
// copy that ends two characters after the first one starting well past the
// box (so that kerning and ligatures of every visible glyph stay the same).
const QStaticText& LabelForWidth(QtCanvasLabel& entry, int width, const QFont& font);

// The label's coverage image, drawn on first use; null when the label is
// too large for one or the images kept already use up the budget.
const QImage& LabelCoverage(QtCanvasLabel& entry, const QFont& font);

// Drops every cached label and its coverage image.
void ClearLabelCache();

// Each channel times a / 255, rounded the way the raster engine does it.
inline uint32_t ByteMul(uint32_t x, uint32_t a) {
    uint32_t t = (x & 0xff00ff) * a;
    t = (t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8;
    t &= 0xff00ff;
    x = ((x >> 8) & 0xff00ff) * a;
    x = x + ((x >> 8) & 0xff00ff) + 0x800080;
    x &= 0xff00ff00;
    return x | t;
}

// Blends like the painter's own glyph drawing: the text colour in
// proportion to the coverage over what the pixel keeps of itself.
inline uint32_t BlendCoverage(uint32_t ink, uint32_t coverage, uint32_t dst) {
    return ByteMul(ink, coverage) + ByteMul(dst, 255 - coverage);
}

}  // namespace tarnloft
