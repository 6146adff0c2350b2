#pragma once

#include <string>

namespace platform {

// Short notices shown by the desktop, for what changed while nobody was looking.
class DesktopNotifications {
public:
    virtual ~DesktopNotifications() = default;

    // Shows the notice if the desktop can; it is logged either way.
    virtual void notify(const std::string& title, const std::string& body) = 0;
};

} // namespace platform
