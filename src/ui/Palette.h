#pragma once

#include <QColor>

// The application's few colours; every window and control draws with these.
inline QColor colorNavy() {
    return QColor(0, 41, 64);
}
inline QColor colorAccent() {
    return QColor(82, 183, 242);
}
inline QColor colorSeparator() {
    return QColor(216, 216, 216);
}
inline QColor colorTitleGrey() {
    return QColor(61, 61, 61);
}
inline QColor colorTabText() {
    return QColor(101, 122, 124);
}
// The toast's background, and texts that say something is off or only explain.
inline QColor colorSlateGrey() {
    return QColor(153, 169, 178);
}
// The platform's standard grey: panel borders, and the large buttons before they are enabled.
inline QColor colorStandardGrey() {
    return QColor(Qt::gray);
}
