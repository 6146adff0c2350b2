#include "platform/MicrophoneAccess.h"

#include <QThreadPool>

namespace platform {

void FixedMicrophoneAccess::requestAccess(Completion completion) {
    ++requests_;
    QThreadPool::globalInstance()->start(
        [granted = granted_, completion = std::move(completion)] { completion(granted); });
}

} // namespace platform
