// Layout units, colours and fonts shared by the program's windows.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

class QAbstractButton;
class QLabel;
class QWidget;

namespace corvane {

// Window layouts are designed in twips; the screen has 15 twips to a pixel.
constexpr int TwipsPerPixel = 15;
constexpr int Twips(int twips) { return twips / TwipsPerPixel; }
constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

// A rectangle of a window's layout as given in twips, for tables of controls.
struct TwipsBox {
    int left, top, width, height;
};
constexpr QRect TwipsRect(const TwipsBox& box) { return TwipsRect(box.left, box.top, box.width, box.height); }

inline const QColor LightYellow{255, 255, 192};  // button faces, boxed labels, text boxes
inline const QColor LightCyan{192, 255, 255};    // readout labels

// Times New Roman at `points`, through the program's font substitutions.
QFont TimesFont(double points);

// A button with the light yellow face and the given font.
void StyleButton(QAbstractButton* button, const QFont& font);

// A label on a plain background colour; `boxed` adds a single-line border.
void StyleLabel(QLabel* label, const QColor& background, bool boxed);

// The fixed-size frame every window of the program has: no resizing, no
// minimise or maximise button, the close control kept.
void MakeFixedWindow(QWidget* window, const QSize& clientSize);

// The program's icon, once the picture library is built in.
void ApplyProgramIcon(QWidget* window);

}  // namespace corvane
