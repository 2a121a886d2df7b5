// Placing controls with fixed geometry: in pixels (the main window) or in
// the twips of the original forms (the dialogs): 15 twips make one pixel at
// 96 dots per inch. Both go through one rectangle type and one placement.
#pragma once
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tarnloft {

constexpr int Twips(int twips) { return twips / 15; }

// A control's rectangle in pixels of its parent.
struct Place {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};
constexpr Place Pixels(int left, int top, int width, int height) { return Place{left, top, width, height}; }
constexpr Place TwipsPlace(int left, int top, int width, int height) {
    return Place{Twips(left), Twips(top), Twips(width), Twips(height)};
}

// Fixed geometry for a child control.
void PlaceWidget(QWidget* widget, Place place);
// Named controls on `parent` (a null name leaves the objectName empty).
QLabel* AddLabel(QWidget* parent, const char* objectName, const QString& caption, Place place);
QPushButton* AddButton(QWidget* parent, const char* objectName, const QString& caption, Place place);
QLineEdit* AddTextBox(QWidget* parent, const char* objectName, Place place, const QString& text = QString());

// The same, all four numbers in twips.
void PlaceTwips(QWidget* widget, int left, int top, int width, int height);

// A named button or text box on `parent`, placed in twips.
QPushButton* AddTwipsButton(QWidget* parent, const char* objectName, const QString& caption, int left,
                            int top, int width, int height);
QLineEdit* AddTwipsTextBox(QWidget* parent, const char* objectName, int left, int top, int width, int height,
                           const QString& text = QString());

// A fixed-size dialog border with the given client area in twips, in the
// small dialog font that the fixed measures were made for.
void FixDialogSizeTwips(QWidget* dialog, int width, int height);

// The installed fonts are often wider than the ones the measures were made
// for: shrinks the font of every single-line label, button, frame and check
// box under `root` whose caption would otherwise be cut off.
void FitCaptions(QWidget* root);
// The same, but one font for all: `root`'s font becomes the largest size,
// down to 7 pt, at which every caption under it fits.
void FitCaptionsInOneSize(QWidget* root);

}  // namespace tarnloft
