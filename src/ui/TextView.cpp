#include "ui/TextView.h"

#include <QTextBlock>
#include <QTextCursor>

TextView::TextView(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TranslucentBackground);
    viewport()->setAutoFillBackground(false);
    setStyleSheet(QStringLiteral("background: transparent;"));
    document()->setDocumentMargin(0);
    setContextMenuPolicy(Qt::NoContextMenu);
    viewport()->setCursor(Qt::ArrowCursor);
}

void TextView::setText(const QString& text) {
    setPlainText(text);
    applyBlockFormat();
}

void TextView::setTextColor(const QColor& color) {
    color_ = color;
    QPalette colors = palette();
    colors.setColor(QPalette::Text, color);
    setPalette(colors);
    applyBlockFormat();
}

void TextView::setPixelFont(int pixelSize, Weight weight) {
    QFont textFont = font();
    textFont.setPixelSize(pixelSize);
    textFont.setBold(weight == bold);
    setFont(textFont);
    document()->setDefaultFont(textFont);
}

void TextView::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    applyBlockFormat();
}

void TextView::setLineSpacing(double spacing) {
    lineSpacing_ = spacing;
    applyBlockFormat();
}

void TextView::applyBlockFormat() {
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setAlignment(alignment_);
    format.setLineHeight(lineSpacing_, QTextBlockFormat::LineDistanceHeight);
    cursor.mergeBlockFormat(format);
    QTextCharFormat characters;
    characters.setForeground(color_);
    cursor.mergeCharFormat(characters);
}
