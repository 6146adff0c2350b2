#pragma once

#include "platform/UserDefaults.h"

#include <map>

namespace platform {

// Store without a backing file, for tests and previews.
class MemoryUserDefaults final : public UserDefaults {
public:
    [[nodiscard]] std::optional<DefaultsValue> objectForKey(const std::string& key) const override;
    void setBool(const std::string& key, bool value) override;
    void setInteger(const std::string& key, std::int64_t value) override;
    void setObject(const std::string& key, const std::string& value) override;
    void removeObject(const std::string& key) override;
    bool synchronize() override;

    [[nodiscard]] int writeCount() const { return writes_; }
    [[nodiscard]] int synchronizeCount() const { return synchronizations_; }
    [[nodiscard]] bool empty() const { return values_.empty(); }

private:
    std::map<std::string, DefaultsValue> values_;
    int writes_ = 0;
    int synchronizations_ = 0;
};

} // namespace platform
