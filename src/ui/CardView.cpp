#include "ui/CardView.h"

#include <QPainter>

CardView::CardView(const QColor& background, const QColor& border, int cornerRadius,
                   QWidget* parent)
    : QWidget(parent), background_(background), border_(border), cornerRadius_(cornerRadius) {}

void CardView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(border_, 1));
    painter.setBrush(background_);
    // The pen is centred on the path: half a point in keeps the border inside the card.
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius_,
                            cornerRadius_);
}
