#include "platform/Timer.h"

#include <QCoreApplication>
#include <QTimer>
#include <glib.h>

namespace platform {
namespace {
int activeTimers = 0;
}

std::unique_ptr<Timer> Timer::scheduled(std::chrono::milliseconds interval, Repeat repeat,
                                        std::function<void()> block) {
    return std::unique_ptr<Timer>(new Timer(interval, repeat == repeating, std::move(block)));
}

Timer::Timer(std::chrono::milliseconds interval, bool repeats, std::function<void()> block)
    : interval_(interval), repeats_(repeats),
      fireDate_(std::chrono::steady_clock::now() + interval), block_(std::move(block)) {
    ++activeTimers;
    if (QCoreApplication::instance() == nullptr) {
        glibSource_ = g_timeout_add(static_cast<guint>(interval.count()), onGLibTimeout, this);
        return;
    }
    timer_ = std::make_unique<QTimer>();
    timer_->setInterval(interval);
    timer_->setSingleShot(!repeats);
    timer_->setTimerType(Qt::CoarseTimer);
    QObject::connect(timer_.get(), &QTimer::timeout, [this] { fire(); });
    timer_->start();
}

int Timer::onGLibTimeout(void* timer) {
    auto* self = static_cast<Timer*>(timer);
    if (!self->repeats_) {
        // Spent once it fires; the block may destroy the timer.
        self->glibSource_ = 0;
        self->fire();
        return G_SOURCE_REMOVE;
    }
    self->fire();
    return G_SOURCE_CONTINUE;
}

Timer::~Timer() {
    invalidate();
}

void Timer::invalidate() {
    if (block_) {
        if (timer_) {
            timer_->stop();
        }
        if (glibSource_ != 0) {
            g_source_remove(glibSource_);
            glibSource_ = 0;
        }
        block_ = nullptr;
        --activeTimers;
    }
}

bool Timer::isValid() const {
    return static_cast<bool>(block_);
}

void Timer::fire() {
    if (!block_) {
        return;
    }
    if (repeats_) {
        fireDate_ = std::chrono::steady_clock::now() + interval_;
        // Held by copy: the block may destroy this timer.
        const auto block = block_;
        block();
        return;
    }
    // A one-shot timer is spent once it fires; the block may destroy this timer.
    auto block = std::move(block_);
    block_ = nullptr;
    --activeTimers;
    block();
}

int Timer::activeCount() {
    return activeTimers;
}

} // namespace platform
