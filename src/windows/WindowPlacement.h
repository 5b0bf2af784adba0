// Where a window of the program's own goes beside a designed window, which
// keeps its designed place.
#pragma once

#include <QList>
#include <QRect>
#include <QSize>

namespace corvane {

// The frame rectangle for a window of `preferred` size, never smaller than
// `least`, beside `owner` inside `available` (all with their frames, in
// screen coordinates):
// - right of the owner, else left of it, where the side has room for at
//   least the least width; as wide as the room allows up to the preferred
//   width, its top level with the owner's where the screen allows;
// - else over the owner at the least width, flush with the screen's right
//   edge, else its left edge, in the tallest band of the screen that stays
//   clear of every rectangle of `keepClear` (what must stay in sight:
//   readouts, buttons);
// - else, where nothing fits, inside `available` where it covers the least
//   of the owner.
QRect PlaceBeside(const QRect& owner, const QList<QRect>& keepClear, const QSize& preferred,
                  const QSize& least, const QRect& available);

// `rect` moved the least needed to lie inside `available`, and made smaller
// where it is larger: a remembered place brought back onto a screen that has
// changed since.
QRect BroughtOnScreen(const QRect& rect, const QRect& available);

}  // namespace corvane
