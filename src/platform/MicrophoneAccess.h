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

} // namespace platform
