#pragma once

#include <functional>
#include <optional>
#include <string>

namespace platform {

// Whether a graphical session can be reached, checked before Qt would abort without one.
class DisplayEnvironment {
public:
    using Getenv = std::function<std::optional<std::string>(const std::string& name)>;
    using Exists = std::function<bool(const std::string& path)>;

    // No value when a display looks reachable, otherwise why not.
    [[nodiscard]] static std::optional<std::string> missingDisplayReason(const Getenv& getenv,
                                                                         const Exists& exists);
    [[nodiscard]] static std::optional<std::string> missingDisplayReason();

    // The activation token this process was started with (Wayland's xdg-activation), empty
    // without one. Read it before the application object takes it.
    [[nodiscard]] static std::string activationToken();
    // Lets the next window activation use a token that a later launch handed over; Qt's
    // Wayland platform takes it from the environment and spends it once.
    static void adoptActivationToken(const std::string& token);
};

} // namespace platform
