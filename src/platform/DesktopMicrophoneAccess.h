#pragma once

#include "platform/MicrophoneAccess.h"

namespace platform {

// Linux desktops ask no per-application microphone question: the answer is always yes, given
// from a worker thread like the answer of a real prompt.
class DesktopMicrophoneAccess final : public MicrophoneAccess {
public:
    void requestAccess(Completion completion) override;
};

} // namespace platform
