#include "core/Geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

QRect Geometry::toQt(const Rect& frame, const QRect& screen) {
    const int width = static_cast<int>(std::lround(frame.size.width));
    const int height = static_cast<int>(std::lround(frame.size.height));
    const int left = screen.left() + static_cast<int>(std::lround(frame.origin.x));
    const int bottomUp = static_cast<int>(std::lround(frame.origin.y));
    const int top = screen.top() + screen.height() - (bottomUp + height);
    return {left, top, width, height};
}

Rect Geometry::fromQt(const QRect& geometry, const QRect& screen) {
    const double x = geometry.left() - screen.left();
    const double y = screen.top() + screen.height() - (geometry.top() + geometry.height());
    return {x, y, static_cast<double>(geometry.width()), static_cast<double>(geometry.height())};
}

namespace {

long long overlap(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}

long long distanceSquared(const QPoint& point, const QRect& area) {
    const long long dx = point.x() - std::clamp(point.x(), area.left(), area.right());
    const long long dy = point.y() - std::clamp(point.y(), area.top(), area.bottom());
    return dx * dx + dy * dy;
}

const QRect& areaFor(const QRect& wanted, const std::vector<QRect>& areas) {
    const QRect* best = &areas.front();
    long long bestOverlap = overlap(wanted, *best);
    long long bestDistance = std::numeric_limits<long long>::max();
    for (const QRect& area : areas) {
        const long long shared = overlap(wanted, area);
        const long long distance = distanceSquared(wanted.center(), area);
        if (shared > bestOverlap || (bestOverlap == 0 && shared == 0 && distance < bestDistance)) {
            best = &area;
            bestOverlap = shared;
            bestDistance = distance;
        }
    }
    return *best;
}

// The start of a span of `length` inside [first, first + room): moved in, or at `first` when
// it does not fit.
int fitSpan(int start, int length, int first, int room) {
    return length >= room ? first : std::clamp(start, first, first + room - length);
}

} // namespace

QRect Geometry::fitToScreens(const QRect& wanted, const std::vector<QRect>& areas) {
    if (areas.empty()) {
        return wanted;
    }
    const QRect& area = areaFor(wanted, areas);
    return {fitSpan(wanted.left(), wanted.width(), area.left(), area.width()),
            fitSpan(wanted.top(), wanted.height(), area.top(), area.height()), wanted.width(),
            wanted.height()};
}
