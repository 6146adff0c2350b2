#pragma once

#include <optional>
#include <string>

namespace platform {

// What the programs noticed about this user's devices and keep across runs, shared by the
// command line and the desktop program. Read afresh on every call: the other one may have
// changed it since.
class UserState {
public:
    virtual ~UserState() = default;

    // The value under key (lowercase letters, digits and '-'); none when there is none.
    [[nodiscard]] virtual std::optional<std::string> value(const std::string& key) = 0;
    // Stores one line of text under key and keeps the other entries; false (with a line)
    // when it could not be saved.
    virtual bool setValue(const std::string& key, const std::string& value) = 0;
};

} // namespace platform
