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
constexpr double SmallestPointSize = 6.0;

// Shrinks `widget`'s font until `caption` plus `padding` pixels fits its width.
void ShrinkToFit(QWidget* widget, QString caption, int padding) {
    caption.remove('&');
    QFont font = widget->font();
    if (font.pointSizeF() <= 0) return;  // pixel-sized font: leave it
    while (font.pointSizeF() > SmallestPointSize &&
           QFontMetrics(font).horizontalAdvance(caption) + padding > widget->width())
        font.setPointSizeF(font.pointSizeF() - 0.5);
    if (font != widget->font()) widget->setFont(font);
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

QPushButton* AddTwipsButton(QWidget* parent, const char* objectName, const QString& caption, int left,
                            int top, int width, int height) {
    return AddButton(parent, objectName, caption, TwipsPlace(left, top, width, height));
}

QLineEdit* AddTwipsTextBox(QWidget* parent, const char* objectName, int left, int top, int width, int height,
                           const QString& text) {
    return AddTextBox(parent, objectName, TwipsPlace(left, top, width, height), text);
}

}  // namespace tarnloft
