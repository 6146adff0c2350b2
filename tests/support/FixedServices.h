#pragma once

#include "platform/LoginItem.h"
#include "platform/MicrophoneAccess.h"
#include "platform/Reachability.h"

#include <QThreadPool>

// Platform services whose answers a test sets by hand.
class FixedLoginItem final : public platform::LoginItem {
public:
    explicit FixedLoginItem(platform::LoginItemStatus status) : status_(status) {}

    [[nodiscard]] platform::LoginItemStatus status() const override { return status_; }
    void openSystemSettingsLoginItems() override { ++openRequests_; }

    void setStatus(platform::LoginItemStatus status) { status_ = status; }
    [[nodiscard]] int openRequests() const { return openRequests_; }

private:
    platform::LoginItemStatus status_;
    int openRequests_ = 0;
};

// Answers from a worker thread, as the desktop's answer does.
class FixedMicrophoneAccess final : public platform::MicrophoneAccess {
public:
    explicit FixedMicrophoneAccess(bool granted) : granted_(granted) {}

    void requestAccess(Completion completion) override {
        ++requests_;
        QThreadPool::globalInstance()->start(
            [granted = granted_, completion = std::move(completion)] { completion(granted); });
    }
    [[nodiscard]] int requestCount() const { return requests_; }

private:
    bool granted_;
    int requests_ = 0;
};

// Reports a fixed network state, or cannot start at all.
class FixedReachability final : public platform::Reachability {
public:
    enum class Answer { reachable, unreachable, notifierFails };

    explicit FixedReachability(Answer answer) : answer_(answer) {}

    bool startNotifier() override {
        if (answer_ == Answer::notifierFails) {
            return false;
        }
        running_ = true;
        queueReport(answer_ == Answer::reachable);
        return true;
    }

private:
    Answer answer_;
};
