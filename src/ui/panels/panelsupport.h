// Small helpers the panels share: buttons that never become the default,
// captions set only when they change, and label colours.
#pragma once
#include <QColor>
#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <string>

#include "util/rgb.h"
#include "widgets/placement.h"
#include "widgets/qtstrings.h"

namespace tarnloft {

inline QPushButton* AddPanelButton(QWidget* parent, const char* name, const char* caption, Place place) {
    QPushButton* button = AddButton(parent, name, QString::fromUtf8(caption), place);
    button->setAutoDefault(false);
    return button;
}

// The label's text, changed only when it differs (a label relayouts on every setText).
inline void SetCaption(QLabel* label, const std::string& text) {
    const QString caption = ToCaption(text);
    if (label->text() != caption) label->setText(caption);
}

// The label's text, whole: a text wider than the label is set in a smaller
// font, down to a readable 7 pt, and then in narrower letters.
inline void SetFittingCaption(QLabel* label, const std::string& text) {
    const QString caption = ToCaption(text);
    if (label->text() == caption) return;
    const QFont normal = label->parentWidget()->font();
    QFont font = normal;
    const int room = label->contentsRect().width();
    const auto tooWide = [&] { return QFontMetrics(font).horizontalAdvance(caption) > room; };
    constexpr qreal SmallestPointSize = 7;
    while (tooWide() && font.pointSizeF() - 0.5 >= SmallestPointSize)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    for (int stretch = 96; tooWide() && stretch >= QFont::Condensed; stretch -= 4) font.setStretch(stretch);
    label->setFont(font);
    // A smaller text stands on the same baseline as the captions beside it.
    label->setContentsMargins(0, QFontMetrics(normal).ascent() - QFontMetrics(font).ascent(), 0, 0);
    label->setText(caption);
}

inline void SetTextColour(QLabel* label, Rgb colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(colour.R, colour.G, colour.B));
    label->setPalette(palette);
}

}  // namespace tarnloft
