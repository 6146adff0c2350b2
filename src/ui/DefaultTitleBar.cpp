#include "ui/DefaultTitleBar.h"

#include "ui/Localization.h"
#include "ui/Palette.h"
#include "ui/SeparatorLine.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QWindow>

namespace {

constexpr int controlSize = 20;
constexpr int controlMargin = 6;

QToolButton* makeControl(QWidget* parent, const QString& glyph, const QString& name) {
    auto* button = new QToolButton(parent);
    button->setText(glyph);
    button->setAccessibleName(name);
    button->setToolTip(name);
    button->setAutoRaise(true);
    // Reached with Tab after the window's own controls; a click does not take the focus.
    button->setFocusPolicy(Qt::TabFocus);
    button->setCursor(Qt::ArrowCursor);
    button->setFixedSize(controlSize, controlSize);
    return button;
}

} // namespace

DefaultTitleBar::DefaultTitleBar(QWidget* parent)
    : QWidget(parent), listName_(new QLabel(this)), line_(new SeparatorLine(this)),
      close_(makeControl(this, QStringLiteral("\u2715"),
                         Localization::localizedString(AccessibleKey::CloseButton))),
      minimize_(makeControl(this, QStringLiteral("\u2013"),
                            Localization::localizedString(AccessibleKey::MinimizeButton))),
      background_(colorNavy()) {
    setFixedHeight(barHeight);
    listName_->setAlignment(Qt::AlignCenter);
    listName_->setTextInteractionFlags(Qt::NoTextInteraction);
    listName_->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont titleFont = listName_->font();
    titleFont.setPixelSize(13);
    titleFont.setBold(true);
    listName_->setFont(titleFont);
    connect(close_, &QToolButton::clicked, this, &DefaultTitleBar::closeRequested);
    connect(minimize_, &QToolButton::clicked, this, &DefaultTitleBar::minimizeRequested);
    setColors(Qt::white, colorNavy());
}

void DefaultTitleBar::setTitle(const QString& title) {
    listName_->setText(title);
}

void DefaultTitleBar::setColors(const QColor& text, const QColor& background) {
    background_ = background;
    const QString style =
        QStringLiteral("color: %1; background: transparent; border: none;").arg(text.name());
    listName_->setStyleSheet(style);
    const QString controlStyle =
        QStringLiteral("QToolButton { %1 } QToolButton:focus { border: 2px solid %2; "
                       "border-radius: 4px; }")
            .arg(style, colorAccent().name());
    close_->setStyleSheet(controlStyle);
    minimize_->setStyleSheet(controlStyle);
    update();
}

void DefaultTitleBar::setMinimizeVisible(bool visible) {
    minimize_->setVisible(visible);
    layoutControls();
}

void DefaultTitleBar::setCloseVisible(bool visible) {
    close_->setVisible(visible);
    layoutControls();
}

void DefaultTitleBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutControls();
}

void DefaultTitleBar::layoutControls() {
    listName_->setGeometry(0, 0, width(), barHeight - 1);
    line_->setGeometry(0, barHeight - 1, width(), 1);
    const int top = (barHeight - 1 - controlSize) / 2;
    int right = width() - controlMargin;
    for (QToolButton* control : {close_, minimize_}) {
        if (!control->isHidden()) {
            right -= controlSize;
            control->move(right, top);
            right -= 2;
        }
    }
    close_->raise();
    minimize_->raise();
}

void DefaultTitleBar::mousePressEvent(QMouseEvent* event) {
    // The compositor moves the window itself; works on X11 and Wayland alike.
    if (event->button() == Qt::LeftButton && window()->windowHandle() != nullptr) {
        window()->windowHandle()->startSystemMove();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void DefaultTitleBar::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
}
