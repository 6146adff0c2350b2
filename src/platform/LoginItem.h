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
    // Lets the user switch launch at login on: opens the desktop's startup settings where
    // there are some, otherwise enables it directly.
    virtual void openSystemSettingsLoginItems() = 0;
};

} // namespace platform
