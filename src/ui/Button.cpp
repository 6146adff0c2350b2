#include "ui/Button.h"

#include <QPainter>
#include <QPainterPath>

Button::Button(QWidget* parent) : QPushButton(parent) {
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
}

Button::Button(const QString& title, QWidget* parent) : Button(parent) {
    setText(title);
}

void Button::setAppearance(const ButtonAppearance& appearance) {
    appearance_ = appearance;
    QFont titleFont = font();
    titleFont.setPixelSize(appearance.fontSize);
    setFont(titleFont);
    update();
}

void Button::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal inset = appearance_.borderWidth / 2.0;
    const QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    const qreal radius = std::min<qreal>(appearance_.cornerRadius, box.height() / 2);

    QColor fill = appearance_.background;
    if (isDown() && appearance_.highlightsByBackground) {
        fill = fill.alpha() == 0 ? QColor(0, 0, 0, 24) : fill.darker(115);
    }
    QPainterPath shape;
    shape.addRoundedRect(box, radius, radius);
    painter.fillPath(shape, fill);
    if (appearance_.borderWidth > 0 && appearance_.border.alpha() > 0) {
        painter.setPen(QPen(appearance_.border, appearance_.borderWidth));
        painter.drawPath(shape);
    }
    if (!isEnabled()) {
        painter.setOpacity(0.5);
    }
    // A toggle shows its alternate image while it is on.
    const QIcon::State state = isChecked() ? QIcon::On : QIcon::Off;
    QRect titleArea = rect();
    Qt::Alignment titleAlignment = Qt::AlignCenter;
    if (!icon().isNull()) {
        const QSize size = iconSize();
        const int left = appearance_.imageBesideTitle ? besideInset : (width() - size.width()) / 2;
        const QRect target(QPoint(left, (height() - size.height()) / 2), size);
        icon().paint(&painter, target, Qt::AlignCenter, QIcon::Normal, state);
        if (appearance_.imageBesideTitle) {
            titleArea.setLeft(target.right() + 1 + besideGap);
            titleAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        }
    }
    if (!text().isEmpty()) {
        painter.setPen(appearance_.titleColor);
        painter.setFont(font());
        painter.drawText(titleArea, titleAlignment | Qt::TextSingleLine, text());
    }
}
