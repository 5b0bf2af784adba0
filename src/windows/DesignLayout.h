// The frames of the start, method and data table windows, and labels that
// keep their whole text in the fonts that render them here.
#pragma once

#include "windows/WindowStyle.h"

#include <QRect>
#include <QSize>

#include <limits>

class QLabel;
class QWidget;

namespace corvane {

constexpr QSize TwipsSize(int width, int height) { return QSize(Twips(width), Twips(height)); }

// The fixed frame of the program's windows with its icon, centred on the
// screen. A `dialog` window stays out of the task bar: it is a dialog of its
// parent window.
void MakeFixedCentredWindow(QWidget* window, QSize client, bool dialog);

// A label without border at its designed place. Where the face that renders
// its font here (or a translation) needs more room than the designed box
// gives, the label grows right and down just enough to show its whole text,
// instead of clipping it; where growing down would pass `bottom`, it grows
// up instead. A slanted first letter that leans out to the left is taken
// into the label, with the text where it was.
void PlaceLabel(QLabel* label, const QRect& designed, int bottom = std::numeric_limits<int>::max());

// A caption centred in its box on the window's own background: where its
// text needs more room than the box gives, the box grows evenly on every
// side, so that the text stays where it was designed.
void GrowAroundCentre(QLabel* label);

// Enter presses the focused button of `window`, as Space does.
void PressButtonsOnEnter(QWidget* window);

}  // namespace corvane
