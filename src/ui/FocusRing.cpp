#include "ui/FocusRing.h"

#include "ui/Palette.h"

#include <QFocusEvent>
#include <QPainter>

namespace {

constexpr qreal ringWidth = 2;

bool fromKeyboard(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

} // namespace

FocusRing::FocusRing(QWidget* control, int cornerRadius)
    : QWidget(control), control_(control), cornerRadius_(cornerRadius) {
    setObjectName(QStringLiteral("focusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    control->installEventFilter(this);
}

FocusRing* FocusRing::attach(QWidget* control, int cornerRadius) {
    if (FocusRing* existing = of(control)) {
        return existing;
    }
    return new FocusRing(control, cornerRadius);
}

FocusRing* FocusRing::of(const QWidget* control) {
    return control->findChild<FocusRing*>(QStringLiteral("focusRing"), Qt::FindDirectChildrenOnly);
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    if (watched != control_) {
        return false;
    }
    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // A window coming back shows the ring as it was.
        if (reason != Qt::ActiveWindowFocusReason) {
            setVisible(fromKeyboard(reason));
        }
        follow();
        break;
    }
    case QEvent::FocusOut:
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason) {
            hide();
        }
        break;
    case QEvent::Resize:
    case QEvent::ChildAdded:
        follow();
        break;
    default:
        break;
    }
    return false;
}

// Over the viewport and scroll bars that the control adds after it.
void FocusRing::follow() {
    setGeometry(control_->rect());
    raise();
}

void FocusRing::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colorAccent(), ringWidth));
    painter.setBrush(Qt::NoBrush);
    const QRectF ring =
        QRectF(rect()).adjusted(ringWidth / 2, ringWidth / 2, -ringWidth / 2, -ringWidth / 2);
    painter.drawRoundedRect(ring, cornerRadius_, cornerRadius_);
}
