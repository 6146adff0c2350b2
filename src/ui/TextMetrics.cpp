#include "ui/TextMetrics.h"

#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>

int TextMetrics::measureTextHeight(const QString& text, const QFont& font, double width,
                                   double lineSpacing) {
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(font);
    document.setPlainText(text);
    document.setTextWidth(width);
    QTextCursor cursor(&document);
    cursor.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setLineHeight(lineSpacing, QTextBlockFormat::LineDistanceHeight);
    cursor.mergeBlockFormat(format);
    return static_cast<int>(std::ceil(document.size().height()));
}

int TextMetrics::measureTextWidth(const QString& text, const QFont& font, double /*height*/) {
    return static_cast<int>(std::ceil(QFontMetricsF(font).horizontalAdvance(text)));
}
