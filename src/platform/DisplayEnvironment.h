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
};

} // namespace platform
