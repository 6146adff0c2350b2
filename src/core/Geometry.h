#pragma once

#include <QRect>

// Geometry as the layouts are written: points, origin at the bottom left of the screen, a
// window's frame including its title bar. Converted to Qt's top-left system only where a
// window is placed.
struct Point {
    double x = 0;
    double y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    double width = 0;
    double height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    Point origin;
    Size size;

    constexpr Rect() = default;
    constexpr Rect(double x, double y, double width, double height) : origin{x, y}, size{width, height} {}
    friend bool operator==(const Rect&, const Rect&) = default;
};

class Geometry {
public:
    // Qt geometry of a frame on a screen whose Qt geometry is given.
    [[nodiscard]] static QRect toQt(const Rect& frame, const QRect& screen);
    [[nodiscard]] static Rect fromQt(const QRect& geometry, const QRect& screen);
};
