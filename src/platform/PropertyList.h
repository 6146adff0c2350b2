#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A parsed XML property list that can be edited and written back as XML with every entry it
// does not touch kept as it was. Settings are small and shallow: what is not is refused before
// libplist's reader sees it, since that reader recurses once per level and overflows the stack
// on deep nesting. Binary property lists are refused too (their reader has no depth limit).
class PropertyList {
public:
    struct Error {
        std::string description;
    };

    static constexpr std::size_t maxBytes = 1024 * 1024;
    static constexpr std::size_t maxDepth = 64;

    // An empty dictionary.
    PropertyList();
    ~PropertyList();
    PropertyList(PropertyList&&) noexcept;
    PropertyList& operator=(PropertyList&&) noexcept;
    PropertyList(const PropertyList&) = delete;
    PropertyList& operator=(const PropertyList&) = delete;

    // No value and a description in *error for anything that is not a whole XML property list
    // within maxBytes and maxDepth.
    static std::optional<PropertyList> parse(const std::vector<char>& data, Error* error);
    // How deep the arrays and dictionaries of an XML text nest, counted so that it is never
    // less than what the XML reader sees: every opening tag counts, closings hidden in comments
    // or character data do not.
    [[nodiscard]] static std::size_t nestingDepth(std::string_view xml);

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
