#include "ui/Window.h"

#include "ui/DefaultTitleBar.h"
#include "ui/ViewController.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <map>

namespace {

std::map<int, Window*>& windowsByNumber() {
    static std::map<int, Window*> windows;
    return windows;
}

int nextWindowNumber = 1;

} // namespace

Window::Window(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), number_(nextWindowNumber++) {
    windowsByNumber()[number_] = this;
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

Window::~Window() {
    windowsByNumber().erase(number_);
    if (content_ != nullptr && content_->isAppeared()) {
        content_->noteDisappeared();
    }
}

Window* Window::withNumber(int number) {
    const auto found = windowsByNumber().find(number);
    return found == windowsByNumber().end() ? nullptr : found->second;
}

void Window::setStyleMask(unsigned mask) {
    styleMask_ = mask;
    updateTitleBarControls();
    applyFrame();
}

void Window::setTitleBar(const QString& title, const QColor& textColor, const QColor& background) {
    if ((styleMask_ & titled) == 0) {
        return;
    }
    delete titleBar_;
    titleBar_ = new DefaultTitleBar(this);
    titleBar_->setTitle(title);
    titleBar_->setColors(textColor, background);
    connect(titleBar_, &DefaultTitleBar::closeRequested, this, &QWidget::close);
    connect(titleBar_, &DefaultTitleBar::minimizeRequested, this, &QWidget::showMinimized);
    layout_->insertWidget(0, titleBar_);
    updateTitleBarControls();
    setWindowTitle(title);
}

void Window::updateTitleBarControls() {
    if (titleBar_ != nullptr) {
        titleBar_->setCloseVisible((styleMask_ & closable) != 0);
        titleBar_->setMinimizeVisible((styleMask_ & miniaturizable) != 0);
    }
}

void Window::setFrame(const Rect& frame, bool display) {
    frame_ = frame;
    applyFrame();
    if (display) {
        update();
    }
}

void Window::setFrameOrigin(const Point& origin) {
    frame_.origin = origin;
    applyFrame();
}

Rect Window::frame() const {
    return frame_;
}

void Window::applyFrame() {
    const QRect geometry = Geometry::toQt(frame_, referenceScreenGeometry());
    if ((styleMask_ & resizable) != 0) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(geometry.size());
    } else {
        setFixedSize(geometry.size());
    }
    // Wayland ignores client placement; the size still applies.
    move(geometry.topLeft());
}

QRect Window::referenceScreenGeometry() {
    if (const auto* screen = QGuiApplication::primaryScreen()) {
        return screen->geometry();
    }
    return {0, 0, 1920, 1080};
}

void Window::setBackgroundColor(const QColor& color) {
    QPalette background = palette();
    background.setColor(QPalette::Window, color);
    setPalette(background);
    setAutoFillBackground(true);
}

void Window::setContentViewController(std::unique_ptr<ViewController> controller) {
    ViewController* old = content_;
    if (old != nullptr) {
        if (old->isAppeared()) {
            old->noteDisappeared();
        }
        if (old->isViewLoaded()) {
            layout_->removeWidget(old->view());
            old->view()->hide();
        }
        // Queued work of the old screen may still reach it in this turn of the loop.
        old->deleteLater();
    }
    content_ = controller.release();
    if (content_ == nullptr) {
        return;
    }
    content_->setParent(this);
    layout_->addWidget(content_->view());
    content_->view()->show();
    if (isVisible()) {
        content_->noteAppeared();
    }
}

void Window::makeKeyAndOrderFront() {
    // A minimized window comes back too; the window system then shows it again and its
    // screen appears anew.
    if (isMinimized()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    show();
    raise();
    activateWindow();
}

void Window::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (content_ != nullptr && !content_->isAppeared()) {
        content_->noteAppeared();
    }
}

void Window::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (content_ != nullptr && content_->isAppeared()) {
        content_->noteDisappeared();
    }
}

void Window::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // Keep the frame where the user dragged the window. Wayland does not report positions.
    if (isVisible() && QGuiApplication::platformName() != QLatin1String("wayland")) {
        frame_.origin = Geometry::fromQt(geometry(), referenceScreenGeometry()).origin;
    }
}

void Window::closeEvent(QCloseEvent* event) {
    if (delegate_ != nullptr && !delegate_->windowShouldClose(this)) {
        event->ignore();
        return;
    }
    if (delegate_ != nullptr) {
        delegate_->windowWillClose(this);
    }
    event->accept();
    Q_EMIT closed();
    if (releasedWhenClosed_) {
        deleteLater();
    }
}
