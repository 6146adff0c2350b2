#include "ui/Window.h"

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

Window::Window(QWidget* parent) : QWidget(parent, Qt::Window), number_(nextWindowNumber++) {
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
    setWindowFlag(Qt::WindowCloseButtonHint, (mask & closable) != 0);
    setWindowFlag(Qt::WindowMinimizeButtonHint, (mask & miniaturizable) != 0);
    setWindowFlag(Qt::WindowMaximizeButtonHint, (mask & resizable) != 0);
    applyFrame();
}

void Window::setFrame(const Rect& frame, bool display) {
    frame_ = frame;
    applyFrame();
    if (display) {
        update();
    }
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
