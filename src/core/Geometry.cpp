#include "core/Geometry.h"

#include <cmath>

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
