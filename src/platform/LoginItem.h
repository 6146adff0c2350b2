#pragma once

namespace platform {

// Launch-at-login status, numbered as the settings screens expect.
enum class LoginItemStatus : int {
    notRegistered = 0,
    enabled = 1,
    requiresApproval = 2,
    notFound = 3,
};

class LoginItem {
public:
    virtual ~LoginItem() = default;

    [[nodiscard]] virtual LoginItemStatus status() const = 0;
    // Switches launch at login on for the running executable; false (with a line) when it
    // cannot be written.
    virtual bool enable() = 0;
    // Switches it off again; false (with a line) when that cannot be written.
    virtual bool disable() = 0;
};

} // namespace platform
