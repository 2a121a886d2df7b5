#include "widgets/placement.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace tarnloft {

namespace {

constexpr double DialogPointSize = 8.0;
// Below this a caption is no longer readable.
constexpr double SmallestPointSize = 7.0;

// Whether `caption` plus `padding` pixels fits `widget`'s width in `font`.
bool Fits(const QWidget* widget, QString caption, int padding, const QFont& font) {
    caption.remove('&');
    return QFontMetrics(font).horizontalAdvance(caption) + padding <= widget->width();
}

// Shrinks `widget`'s font until `caption` plus `padding` pixels fits its width.
void ShrinkToFit(QWidget* widget, const QString& caption, int padding) {
    QFont font = widget->font();
    if (font.pointSizeF() <= 0) return;  // pixel-sized font: leave it
    while (font.pointSizeF() > SmallestPointSize && !Fits(widget, caption, padding, font))
        font.setPointSizeF(font.pointSizeF() - 0.5);
    if (font != widget->font()) widget->setFont(font);
}

// Whether every single-line caption under `root` fits in its widget's font.
bool AllCaptionsFit(QWidget* root) {
    for (QLabel* label : root->findChildren<QLabel*>())
        if (!label->wordWrap() && !Fits(label, label->text(), 0, label->font())) return false;
    for (QPushButton* button : root->findChildren<QPushButton*>())
        if (!Fits(button, button->text(), 12, button->font())) return false;
    for (QGroupBox* frame : root->findChildren<QGroupBox*>())
        if (!Fits(frame, frame->title(), 12, frame->font())) return false;
    for (QCheckBox* box : root->findChildren<QCheckBox*>())
        if (!Fits(box, box->text(), 22, box->font())) return false;
    return true;
}

}  // namespace

void PlaceWidget(QWidget* widget, Place place) {
    widget->setGeometry(place.Left, place.Top, place.Width, place.Height);
}

QLabel* AddLabel(QWidget* parent, const char* objectName, const QString& caption, Place place) {
    auto* label = new QLabel(caption, parent);
    if (objectName) label->setObjectName(QString::fromLatin1(objectName));
    PlaceWidget(label, place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* AddButton(QWidget* parent, const char* objectName, const QString& caption, Place place) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    PlaceWidget(button, place);
    return button;
}

QLineEdit* AddTextBox(QWidget* parent, const char* objectName, Place place, const QString& text) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QString::fromLatin1(objectName));
    PlaceWidget(box, place);
    return box;
}

void PlaceTwips(QWidget* widget, int left, int top, int width, int height) {
    PlaceWidget(widget, TwipsPlace(left, top, width, height));
}

void FixDialogSizeTwips(QWidget* dialog, int width, int height) {
    QFont font = dialog->font();
    font.setPointSizeF(DialogPointSize);
    dialog->setFont(font);
    dialog->setFixedSize(Twips(width), Twips(height));
}

void FitCaptions(QWidget* root) {
    for (QLabel* label : root->findChildren<QLabel*>())
        if (!label->wordWrap() && !label->text().isEmpty()) ShrinkToFit(label, label->text(), 0);
    for (QPushButton* button : root->findChildren<QPushButton*>()) ShrinkToFit(button, button->text(), 12);
    for (QGroupBox* frame : root->findChildren<QGroupBox*>()) {
        // A frame's font passes on to the controls inside it; pin theirs first.
        for (QWidget* child : frame->findChildren<QWidget*>()) {
            QFont font = child->font();
            font.setPointSizeF(font.pointSizeF());
            child->setFont(font);
        }
        ShrinkToFit(frame, frame->title(), 12);
    }
    for (QCheckBox* box : root->findChildren<QCheckBox*>()) ShrinkToFit(box, box->text(), 22);
}

void FitCaptionsInOneSize(QWidget* root) {
    QFont font = root->font();
    while (font.pointSizeF() - 0.5 >= SmallestPointSize && !AllCaptionsFit(root)) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        root->setFont(font);
    }
}

QPushButton* AddTwipsButton(QWidget* parent, const char* objectName, const QString& caption, int left,
                            int top, int width, int height) {
    return AddButton(parent, objectName, caption, TwipsPlace(left, top, width, height));
}

QLineEdit* AddTwipsTextBox(QWidget* parent, const char* objectName, int left, int top, int width, int height,
                           const QString& text) {
    return AddTextBox(parent, objectName, TwipsPlace(left, top, width, height), text);
}

}  // namespace tarnloft
