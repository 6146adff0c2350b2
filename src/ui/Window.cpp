#include "ui/Window.h"

#include "ui/DefaultTitleBar.h"
#include "ui/ViewController.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
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

void Window::setFrame(const Rect& frame) {
    frame_ = frame;
    applyFrame();
}

void Window::setFrameOrigin(const Point& origin) {
    frame_.origin = origin;
    applyFrame();
}

Rect Window::frame() const {
    return frame_;
}

void Window::applyFrame() {
    const QRect geometry = placedGeometry();
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

QRect Window::placedGeometry() {
    if (const auto* over = qobject_cast<const Window*>(parentWidget()); over && !isWindow()) {
        return geometryInside(frame_, over->frame());
    }
    const QRect reference = referenceScreenGeometry();
    const QRect wanted = Geometry::toQt(frame_, reference);
    const QRect placed = Geometry::fitToScreens(wanted, availableScreenAreas());
    // The frame says where the window really is, so that windows placed over it follow.
    if (placed != wanted) {
        frame_ = Geometry::fromQt(placed, reference);
    }
    return placed;
}

QRect Window::geometryInside(const Rect& frame, const Rect& outer) {
    const double left = frame.origin.x - outer.origin.x;
    const double top = outer.size.height - (frame.origin.y - outer.origin.y) - frame.size.height;
    return {static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)),
            static_cast<int>(std::lround(frame.size.width)),
            static_cast<int>(std::lround(frame.size.height))};
}

QRect Window::referenceScreenGeometry() {
    if (const auto* screen = QGuiApplication::primaryScreen()) {
        return screen->geometry();
    }
    return {0, 0, 1920, 1080};
}

std::vector<QRect> Window::availableScreenAreas() {
    std::vector<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        if (screen == QGuiApplication::primaryScreen()) {
            areas.insert(areas.begin(), area);
        } else {
            areas.push_back(area);
        }
    }
    return areas;
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
    shown_ = true;
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

void Window::keyPressEvent(QKeyEvent* event) {
    const bool closeBoxShown = (styleMask_ & (titled | closable)) == (titled | closable);
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && closesOnEscape_ &&
        closeBoxShown) {
        close();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

QList<QWidget*> Window::tabChain() const {
    QList<QWidget*> content;
    QList<QWidget*> bar;
    for (QWidget* each = nextInFocusChain(); each != this; each = each->nextInFocusChain()) {
        const bool reachable = (each->focusPolicy() & Qt::TabFocus) != 0 && each->isEnabled() &&
                               each->isVisibleTo(this) && each->window() == this;
        if (reachable) {
            (titleBar_ != nullptr && titleBar_->isAncestorOf(each) ? bar : content).append(each);
        }
    }
    // The bar's controls left to right, whichever was made first.
    std::stable_sort(bar.begin(), bar.end(), [this](const QWidget* a, const QWidget* b) {
        return a->mapTo(this, QPoint()).x() < b->mapTo(this, QPoint()).x();
    });
    return content + bar;
}

// The title bar is made and remade after the content; its controls still come last.
bool Window::focusNextPrevChild(bool next) {
    const QList<QWidget*> chain = tabChain();
    if (chain.isEmpty()) {
        return false;
    }
    const qsizetype current = chain.indexOf(focusWidget());
    qsizetype target = 0;
    if (current < 0) {
        target = next ? 0 : chain.size() - 1;
    } else {
        target = (current + (next ? 1 : chain.size() - 1)) % chain.size();
    }
    chain[target]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}
