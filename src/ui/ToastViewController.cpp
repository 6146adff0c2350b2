#include "ui/ToastViewController.h"

#include "platform/MainQueue.h"
#include "platform/Timer.h"
#include "ui/Accessibility.h"
#include "ui/Palette.h"
#include "ui/TextMetrics.h"
#include "ui/Window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainterPath>
#include <QPointer>
#include <QRegion>

namespace {

constexpr std::chrono::milliseconds toastDuration{1500};
constexpr int textTop = 12;
constexpr int textHeight = 19;
constexpr int fontSize = 14;
constexpr int cornerRadius = 4;
int openToasts = 0;

QFont toastFont() {
    QFont font;
    font.setPixelSize(fontSize);
    return font;
}

bool windowsPlaceThemselves() {
    return QGuiApplication::platformName() != QLatin1String("wayland");
}

} // namespace

ToastViewController::ToastViewController() : toastText_(new QLabel()) {
    toastText_->setAlignment(Qt::AlignCenter);
    toastText_->setFont(toastFont());
    toastText_->setAutoFillBackground(true);
    QPalette colors = toastText_->palette();
    colors.setColor(QPalette::Window, colorSlateGrey());
    colors.setColor(QPalette::WindowText, Qt::white);
    toastText_->setPalette(colors);
}

ToastViewController::~ToastViewController() {
    if (toastText_->parent() == nullptr) {
        delete toastText_;
    }
}

void ToastViewController::loadView() {
    auto* view = new QWidget();
    view->setAutoFillBackground(true);
    QPalette colors = view->palette();
    colors.setColor(QPalette::Window, colorSlateGrey());
    view->setPalette(colors);
    toastText_->setParent(view);
    setView(view);
}

Rect ToastViewController::frameFor(double measuredWidth, const Point& mainWindowOrigin) {
    const double width = measuredWidth + 40;
    return {mainWindowOrigin.x + 600 - width / 2, mainWindowOrigin.y + 112, width, toastHeight};
}

void ToastViewController::showToast(const QString& message, const Point& mainWindowOrigin,
                                    Window* over) {
    platform::MainQueue::async([message, mainWindowOrigin, over = QPointer<Window>(over)] {
        present(message, mainWindowOrigin, over.data());
    });
}

void ToastViewController::present(const QString& message, const Point& mainWindowOrigin,
                                  Window* over) {
    auto controller = std::make_unique<ToastViewController>();
    ToastViewController* toast = controller.get();
    toast->toastText_->setText(message);
    const Rect frame =
        frameFor(TextMetrics::measureTextWidth(message, toastFont(), textHeight), mainWindowOrigin);

    const bool overlay = !windowsPlaceThemselves() && over != nullptr;
    auto* window = new Window(overlay ? over : nullptr);
    if (overlay) {
        // A child drawn inside the main window: the only placement Wayland allows.
        window->setWindowFlags(Qt::Widget);
    } else {
        window->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::WindowDoesNotAcceptFocus);
    }
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    window->setStyleMask(Window::titled | Window::closable | Window::miniaturizable |
                         Window::resizable);
    window->setReleasedWhenClosed(true);
    window->setContentViewController(std::move(controller));
    window->setFrame(frame);
    ++openToasts;
    window->show();
    window->raise();
    window->setFrame(frame);
}

void ToastViewController::viewDidAppear() {
    Window* shown = window();
    if (shown == nullptr) {
        return;
    }
    shown->setDelegate(this);
    shown->setStyleMask(0);
    shown->setBackgroundColor(colorSlateGrey());
    toastText_->setGeometry(0, textTop, shown->width(), textHeight);
    QPainterPath rounded;
    rounded.addRoundedRect(QRectF(shown->rect()), cornerRadius, cornerRadius);
    shown->setMask(QRegion(rounded.toFillPolygon().toPolygon()));
    toastTimer_ =
        platform::Timer::scheduled(toastDuration, platform::Timer::once, [this] { closeView(); });
    Accessibility::announce(toastText_);
}

void ToastViewController::closeView() {
    if (toastTimer_) {
        toastTimer_->invalidate();
    }
    QPointer<Window> shown = window();
    platform::MainQueue::async([shown] {
        if (!shown.isNull()) {
            shown->hide();
            shown->close();
            --openToasts;
        }
    });
}

int ToastViewController::openCount() {
    return openToasts;
}
