#pragma once

#include <QRect>
#include <vector>

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
    constexpr Rect(double x, double y, double width, double height)
        : origin{x, y}, size{width, height} {}
    friend bool operator==(const Rect&, const Rect&) = default;
};

class Geometry {
public:
    // Qt geometry of a frame on a screen whose Qt geometry is given.
    [[nodiscard]] static QRect toQt(const Rect& frame, const QRect& screen);
    [[nodiscard]] static Rect fromQt(const QRect& geometry, const QRect& screen);

    // Where a window asked for at `wanted` (Qt geometry) goes: onto the screen area that holds
    // most of it (the nearest one when none does), moved inside it. A window larger than the
    // area keeps its top left, and so its title bar, on it. Areas are screens less their
    // panels, the primary screen first.
    [[nodiscard]] static QRect fitToScreens(const QRect& wanted, const std::vector<QRect>& areas);
};
