#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// A parsed property list (XML or binary) that can be edited and written back as XML with
// every entry it does not touch kept as it was.
class PropertyList {
public:
    struct Error {
        std::string description;
    };

    // An empty dictionary.
    PropertyList();
    ~PropertyList();
    PropertyList(PropertyList&&) noexcept;
    PropertyList& operator=(PropertyList&&) noexcept;
    PropertyList(const PropertyList&) = delete;
    PropertyList& operator=(const PropertyList&) = delete;

    // No value and a description in *error for anything that is not a whole property list.
    static std::optional<PropertyList> parse(const std::vector<char>& data, Error* error);

    [[nodiscard]] bool isDictionary() const;
    // Entries of the top-level dictionary; 0 for other kinds of root.
    [[nodiscard]] std::size_t size() const;
    [[nodiscard]] bool contains(const std::string& key) const;
    [[nodiscard]] std::vector<std::string> keys() const;

    // Typed reads of a top-level dictionary entry: no value when absent or of another type.
    [[nodiscard]] std::optional<bool> boolValue(const std::string& key) const;
    [[nodiscard]] std::optional<std::int64_t> integerValue(const std::string& key) const;
    [[nodiscard]] std::optional<std::string> stringValue(const std::string& key) const;

    // Writes into the top-level dictionary (a root of another kind is replaced by one).
    void setBool(const std::string& key, bool value);
    void setInteger(const std::string& key, std::int64_t value);
    void setString(const std::string& key, const std::string& value);
    void remove(const std::string& key);

    // XML property list text; no value and a description in *error when it cannot be made.
    [[nodiscard]] std::optional<std::string> toXml(Error* error) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace platform
