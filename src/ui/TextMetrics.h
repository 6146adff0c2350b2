#pragma once

#include <QFont>
#include <QString>

// Sizes of texts as TextView lays them out, so fixed layouts can fit translated texts.
class TextMetrics {
public:
    // Height of the text wrapped at `width` with extra `lineSpacing` between lines, rounded
    // up to a whole point.
    [[nodiscard]] static int measureTextHeight(const QString& text, const QFont& font, double width,
                                               double lineSpacing);
    // Width of the text on one line, rounded up to a whole point.
    [[nodiscard]] static int measureTextWidth(const QString& text, const QFont& font, double height);
};
