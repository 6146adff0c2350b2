#include "screens/main/AnimationView.h"

#include "core/LogLines.h"
#include "platform/Log.h"
#include "platform/LottieAnimation.h"

#include <QPainter>
#include <QTimerEvent>
#include <cmath>

AnimationView::AnimationView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

AnimationView::~AnimationView() = default;

bool AnimationView::loadNamed(const std::string& name, const std::string& subdirectory) {
    const auto path = platform::LottieAnimation::pathForNamed(name, subdirectory);
    auto failure = platform::LottieAnimation::Failure::none;
    auto animation = platform::LottieAnimation::loadFromFile(path, &failure);
    if (!animation) {
        const std::string_view prefix = failure == platform::LottieAnimation::Failure::missing
                                            ? log_lines::animationMissingPrefix
                                            : log_lines::animationInvalidPrefix;
        platform::Log::line(std::string(prefix) + path.string());
    }
    setAnimation(std::move(animation));
    return hasAnimation();
}

void AnimationView::setAnimation(std::unique_ptr<platform::LottieAnimation> animation) {
    animation_ = std::move(animation);
    frame_ = 0;
    renderCurrentFrame();
    updateTicking();
}

void AnimationView::play() {
    playing_ = true;
    updateTicking();
}

void AnimationView::stop() {
    playing_ = false;
    updateTicking();
}

void AnimationView::updateTicking() {
    // Hidden frames cost a render each; the main window is often only hidden, not closed.
    const bool tick = playing_ && animation_ != nullptr && isVisible();
    if (tick && !ticker_.isActive()) {
        const double rate = animation_->frameRate() > 0 ? animation_->frameRate() : 30;
        ticker_.start(static_cast<int>(std::lround(1000 / rate)), Qt::PreciseTimer, this);
    } else if (!tick) {
        ticker_.stop();
    }
}

void AnimationView::timerEvent(QTimerEvent* event) {
    if (event->timerId() != ticker_.timerId() || animation_ == nullptr) {
        QWidget::timerEvent(event);
        return;
    }
    frame_ = (frame_ + 1) % animation_->totalFrames();
    renderCurrentFrame();
}

void AnimationView::renderCurrentFrame() {
    if (animation_ == nullptr || size().isEmpty()) {
        image_ = QImage();
    } else {
        const qreal ratio = devicePixelRatioF();
        image_ = animation_->renderFrame(frame_, (QSizeF(size()) * ratio).toSize());
        image_.setDevicePixelRatio(ratio);
    }
    update();
}

void AnimationView::paintEvent(QPaintEvent* /*event*/) {
    if (image_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), image_);
}

void AnimationView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    updateTicking();
}

void AnimationView::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    updateTicking();
}

void AnimationView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    renderCurrentFrame();
}
