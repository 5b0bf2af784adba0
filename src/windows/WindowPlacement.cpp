#include "windows/WindowPlacement.h"

#include <algorithm>
#include <array>

namespace corvane {

namespace {

// The gap left between the two windows.
constexpr int Gap = 8;

// `rect` moved the least needed to lie inside `area`, its top-left corner
// kept inside when it is the larger.
QRect MovedInside(QRect rect, const QRect& area) {
    rect.moveLeft(std::max(area.left(), std::min(rect.left(), area.right() - rect.width() + 1)));
    rect.moveTop(std::max(area.top(), std::min(rect.top(), area.bottom() - rect.height() + 1)));
    return rect;
}

long long OverlapArea(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}

}  // namespace

QPoint PlaceBeside(const QRect& owner, const QSize& size, const QRect& available) {
    const QRect right(QPoint(owner.right() + 1 + Gap, owner.top()), size);
    const QRect left(QPoint(owner.left() - Gap - size.width(), owner.top()), size);
    const QRect below(QPoint(owner.left(), owner.bottom() + 1 + Gap), size);
    const QRect above(QPoint(owner.left(), owner.top() - Gap - size.height()), size);

    // Beside the owner, only moved up or down to stay on the screen.
    for (const QRect& side : {right, left}) {
        const QRect placed = MovedInside(side, available);
        if (placed.left() == side.left() && available.contains(placed) && OverlapArea(placed, owner) == 0)
            return placed.topLeft();
    }
    // Otherwise the place on the screen, in this order of preference, that
    // covers the least of the owner.
    const std::array<QRect, 4> candidates{MovedInside(right, available), MovedInside(left, available),
                                          MovedInside(below, available), MovedInside(above, available)};
    QRect best = candidates.front();
    for (const QRect& candidate : candidates)
        if (OverlapArea(candidate, owner) < OverlapArea(best, owner)) best = candidate;
    return best.topLeft();
}

}  // namespace corvane
