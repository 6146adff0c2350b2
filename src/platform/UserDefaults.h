#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace platform {

// A stored value keeps its type: a Boolean never reads back as an integer or as text.
using DefaultsValue = std::variant<bool, std::int64_t, std::string>;

// The application's key-value store that survives restarts.
class UserDefaults {
public:
    virtual ~UserDefaults() = default;

    // No value for a missing key or for a stored value of a type the store does not hand out.
    [[nodiscard]] virtual std::optional<DefaultsValue> objectForKey(const std::string& key) const = 0;

    virtual void setBool(const std::string& key, bool value) = 0;
    virtual void setInteger(const std::string& key, std::int64_t value) = 0;
    virtual void setObject(const std::string& key, const std::string& value) = 0;
    virtual void removeObject(const std::string& key) = 0;

    // Writes the store to its backing file; false when that failed (the old file is then intact).
    virtual bool synchronize() = 0;
};

} // namespace platform
