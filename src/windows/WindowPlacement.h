// Where a window goes beside another one on the screen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace corvane {

// The top-left corner for a window of `size` beside `owner` (both with their
// frames) inside `available`: right of the owner if it fits there, else left
// of it, else wherever inside `available` it covers the owner least. Its top
// is level with the owner's where the screen allows.
QPoint PlaceBeside(const QRect& owner, const QSize& size, const QRect& available);

}  // namespace corvane
