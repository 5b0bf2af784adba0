#include "windows/WindowPlacement.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace corvane {

namespace {

// The gap left between the two windows, and around what must stay in sight.
constexpr int Gap = 8;

long long OverlapArea(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}

int Clamped(int value, int lowest, int highest) { return std::max(lowest, std::min(value, highest)); }

// A window of `size` with its top level with `top` as far as the band
// [first, last] of rows allows.
QRect InBand(int left, const QSize& size, int top, int first, int last) {
    return QRect(QPoint(left, Clamped(top, first, last - size.height() + 1)), size);
}

// Beside the owner on one side (`step` +1 right, -1 left), if the side has
// room for the least width.
std::optional<QRect> OnSide(int step, const QRect& owner, const QSize& preferred, const QSize& least,
                            const QRect& available) {
    const int room =
        step > 0 ? available.right() - owner.right() - Gap : owner.left() - Gap - available.left();
    const int height = std::min(preferred.height(), available.height());
    if (room < least.width() || height < least.height()) return std::nullopt;
    const QSize size(std::min(preferred.width(), room), height);
    const int left = step > 0 ? owner.right() + 1 + Gap : owner.left() - Gap - size.width();
    return InBand(left, size, owner.top(), available.top(), available.bottom());
}

// The tallest band of rows of `available` in which the columns
// [left, left + width) cross no rectangle of `keepClear` (with the gap
// around each), as its first and last row.
std::pair<int, int> TallestClearBand(int left, int width, const QList<QRect>& keepClear,
                                     const QRect& available) {
    std::vector<std::pair<int, int>> blocked;
    for (const QRect& kept : keepClear)
        if (kept.left() - Gap <= left + width - 1 && kept.right() + Gap >= left)
            blocked.emplace_back(kept.top() - Gap, kept.bottom() + Gap);
    std::sort(blocked.begin(), blocked.end());
    std::pair<int, int> best(available.top(), available.top() - 1);
    int free = available.top();
    auto offer = [&best](int first, int last) {
        if (last - first > best.second - best.first) best = {first, last};
    };
    for (const auto& [top, bottom] : blocked) {
        offer(free, std::min(top - 1, available.bottom()));
        free = std::max(free, bottom + 1);
    }
    offer(free, available.bottom());
    return best;
}

// Over the owner, flush with the screen's right edge or its left edge, at
// the least width so that it hides the least of the owner, clear of
// `keepClear`.
std::optional<QRect> OverOwner(const QRect& owner, const QList<QRect>& keepClear, const QSize& preferred,
                               const QSize& least, const QRect& available) {
    const int width = std::min(least.width(), available.width());
    for (const int left : {available.right() - width + 1, available.left()}) {
        const auto [first, last] = TallestClearBand(left, width, keepClear, available);
        const int height = std::min(preferred.height(), last - first + 1);
        if (height >= least.height()) return InBand(left, QSize(width, height), owner.top(), first, last);
    }
    return std::nullopt;
}

}  // namespace

QRect BroughtOnScreen(const QRect& rect, const QRect& available) {
    const QSize size = rect.size().boundedTo(available.size());
    const QPoint topLeft(Clamped(rect.left(), available.left(), available.right() - size.width() + 1),
                         Clamped(rect.top(), available.top(), available.bottom() - size.height() + 1));
    return QRect(topLeft, size);
}

QRect PlaceBeside(const QRect& owner, const QList<QRect>& keepClear, const QSize& preferred,
                  const QSize& least, const QRect& available) {
    for (const int step : {+1, -1})
        if (const std::optional<QRect> beside = OnSide(step, owner, preferred, least, available))
            return *beside;
    if (const std::optional<QRect> over = OverOwner(owner, keepClear, preferred, least, available))
        return *over;

    // Nothing fits: the place on the screen, in this order of preference,
    // that covers the least of the owner.
    const QSize size = preferred.boundedTo(available.size());
    const std::array<QRect, 4> candidates{
        BroughtOnScreen(QRect(QPoint(owner.right() + 1 + Gap, owner.top()), size), available),
        BroughtOnScreen(QRect(QPoint(owner.left() - Gap - size.width(), owner.top()), size), available),
        BroughtOnScreen(QRect(QPoint(owner.left(), owner.bottom() + 1 + Gap), size), available),
        BroughtOnScreen(QRect(QPoint(owner.left(), owner.top() - Gap - size.height()), size), available)};
    QRect best = candidates.front();
    for (const QRect& candidate : candidates)
        if (OverlapArea(candidate, owner) < OverlapArea(best, owner)) best = candidate;
    return best;
}

}  // namespace corvane
