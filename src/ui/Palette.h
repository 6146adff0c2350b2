#pragma once

#include <QColor>

// The application's few colours; every window and control draws with these.
inline QColor colorNavy() { return QColor(0, 41, 64); }
inline QColor colorAccent() { return QColor(82, 183, 242); }
inline QColor colorSeparator() { return QColor(216, 216, 216); }
inline QColor colorTitleGrey() { return QColor(61, 61, 61); }
inline QColor colorTabText() { return QColor(101, 122, 124); }
inline QColor colorToastBackground() { return QColor(153, 169, 178); }
