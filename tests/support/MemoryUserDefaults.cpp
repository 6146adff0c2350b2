#include "support/MemoryUserDefaults.h"

namespace platform {

std::optional<DefaultsValue> MemoryUserDefaults::objectForKey(const std::string& key) const {
    const auto found = values_.find(key);
    if (found == values_.end()) {
        return std::nullopt;
    }
    return found->second;
}

void MemoryUserDefaults::setBool(const std::string& key, bool value) {
    values_[key] = value;
    ++writes_;
}

void MemoryUserDefaults::setInteger(const std::string& key, std::int64_t value) {
    values_[key] = value;
    ++writes_;
}

void MemoryUserDefaults::setObject(const std::string& key, const std::string& value) {
    values_[key] = value;
    ++writes_;
}

void MemoryUserDefaults::removeObject(const std::string& key) {
    values_.erase(key);
    ++writes_;
}

bool MemoryUserDefaults::synchronize() {
    ++synchronizations_;
    return true;
}

} // namespace platform
