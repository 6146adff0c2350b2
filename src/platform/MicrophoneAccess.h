#pragma once

#include <functional>

namespace platform {

class MicrophoneAccess {
public:
    using Completion = std::function<void(bool granted)>;

    virtual ~MicrophoneAccess() = default;

    // The answer arrives on another thread; callers move their work to the main thread.
    virtual void requestAccess(Completion completion) = 0;
};

// Answers every request the same way, from a worker thread. Linux desktops have no
// per-application microphone permission, so the application uses a granting one.
class FixedMicrophoneAccess final : public MicrophoneAccess {
public:
    explicit FixedMicrophoneAccess(bool granted) : granted_(granted) {}

    void requestAccess(Completion completion) override;

    [[nodiscard]] int requestCount() const { return requests_; }

private:
    bool granted_;
    int requests_ = 0;
};

} // namespace platform
