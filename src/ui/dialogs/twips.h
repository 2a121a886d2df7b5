// Placing controls by the design measures of the original forms, which are
// in twips: 15 twips make one pixel at 96 dots per inch.
#pragma once
#include <QString>

class QLineEdit;
class QPushButton;
class QWidget;

namespace tarnloft {

constexpr int Twips(int twips) { return twips / 15; }

// Fixed geometry for a child control, all four numbers in twips.
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

}  // namespace tarnloft
