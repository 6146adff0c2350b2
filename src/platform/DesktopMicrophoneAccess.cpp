#include "platform/DesktopMicrophoneAccess.h"

#include <QThreadPool>

namespace platform {

void DesktopMicrophoneAccess::requestAccess(Completion completion) {
    QThreadPool::globalInstance()->start(
        [completion = std::move(completion)] { completion(true); });
}

} // namespace platform
