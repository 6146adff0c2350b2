#include "ui/Button.h"

#include "ui/Palette.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
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
    if (showsFocusMark()) {
        paintFocusMark(painter, QRectF(rect()), radius);
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

// The window's focus, active or not: Wayland compositors decide about activation.
bool Button::showsFocusMark() const {
    return window()->focusWidget() == this && focusFromKeyboard_;
}

void Button::focusInEvent(QFocusEvent* event) {
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        focusFromKeyboard_ = true;
        break;
    case Qt::ActiveWindowFocusReason:
        // The window came back: the mark shows as it did before.
        break;
    default:
        focusFromKeyboard_ = false;
    }
    QPushButton::focusInEvent(event);
}

void Button::mousePressEvent(QMouseEvent* event) {
    focusFromKeyboard_ = false;
    QPushButton::mousePressEvent(event);
}

// A ring just inside the edge: accent on light buttons, white inside a ring of navy on
// filled ones, where accent would not show.
void Button::paintFocusMark(QPainter& painter, const QRectF& box, qreal radius) const {
    constexpr qreal ringWidth = 2;
    const bool filled = appearance_.background.alpha() == 255;
    const QRectF ring = box.adjusted(ringWidth / 2, ringWidth / 2, -ringWidth / 2, -ringWidth / 2);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(filled ? colorNavy() : colorAccent(), ringWidth));
    painter.drawRoundedRect(ring, radius, radius);
    if (filled) {
        const QRectF inner = ring.adjusted(ringWidth, ringWidth, -ringWidth, -ringWidth);
        painter.setPen(QPen(Qt::white, ringWidth));
        painter.drawRoundedRect(inner, std::max<qreal>(radius - ringWidth, 0),
                                std::max<qreal>(radius - ringWidth, 0));
    }
}

void Button::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && isEnabled()) {
        click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}
