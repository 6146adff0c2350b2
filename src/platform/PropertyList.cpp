#include "platform/PropertyList.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <plist/plist.h>
#include <string_view>
#include <utility>

namespace platform {

struct PropertyList::Impl {
    plist_t root = nullptr;

    explicit Impl(plist_t node) : root(node) {}
    ~Impl() {
        if (root != nullptr) {
            plist_free(root);
        }
    }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    [[nodiscard]] plist_t dictionary() const {
        return root != nullptr && plist_get_node_type(root) == PLIST_DICT ? root : nullptr;
    }

    [[nodiscard]] plist_t item(const std::string& key) const {
        const plist_t dict = dictionary();
        return dict != nullptr ? plist_dict_get_item(dict, key.c_str()) : nullptr;
    }

    void set(const std::string& key, plist_t value) {
        if (dictionary() == nullptr) {
            if (root != nullptr) {
                plist_free(root);
            }
            root = plist_new_dict();
        }
        // Replaces (and frees) any previous value under the key.
        plist_dict_set_item(root, key.c_str(), value);
    }
};

namespace {

struct FreeWithFree {
    void operator()(void* memory) const { std::free(memory); }
};

// libplist 2.2 happily returns what it parsed before the end of a cut-off XML document, so a
// file truncated mid-write would otherwise load as a silently shortened dictionary.
bool endsWithClosingTag(const std::vector<char>& data) {
    std::string_view text(data.data(), data.size());
    const auto end = text.find_last_not_of(std::string_view(" \t\r\n\0", 5));
    if (end == std::string_view::npos) {
        return false;
    }
    constexpr std::string_view closing = "</plist>";
    return text.substr(0, end + 1).ends_with(closing);
}

} // namespace

std::size_t PropertyList::nestingDepth(std::string_view xml) {
    const auto namedAt = [&](std::size_t at, std::string_view name) {
        const std::size_t end = at + name.size();
        return xml.substr(at, name.size()) == name &&
               (end >= xml.size() || std::string_view(" \t\r\n/>").find(xml[end]) != xml.npos);
    };
    std::size_t depth = 0;
    std::size_t deepest = 0;
    // End of the comment or character data the scan is in.
    std::size_t hiddenUntil = 0;
    for (std::size_t at = 0; (at = xml.find('<', at)) != std::string_view::npos;) {
        for (const auto& [open, close] :
             {std::pair<std::string_view, std::string_view>{"<!--", "-->"}, {"<![CDATA[", "]]>"}}) {
            if (at >= hiddenUntil && xml.substr(at, open.size()) == open) {
                const auto end = xml.find(close, at + open.size());
                hiddenUntil = end == std::string_view::npos ? xml.size() : end + close.size();
            }
        }
        const bool hidden = at < hiddenUntil;
        ++at;
        const bool closing = at < xml.size() && xml[at] == '/';
        const std::size_t name = closing ? at + 1 : at;
        if (!namedAt(name, "array") && !namedAt(name, "dict")) {
            continue;
        }
        const auto end = xml.find('>', name);
        if (closing) {
            // One hidden from the reader must not lower the count.
            if (!hidden && depth > 0) {
                --depth;
            }
        } else if (end == std::string_view::npos || xml[end - 1] != '/') {
            deepest = std::max(deepest, ++depth);
        }
    }
    return deepest;
}

PropertyList::PropertyList() : impl_(std::make_unique<Impl>(plist_new_dict())) {}
PropertyList::~PropertyList() = default;
PropertyList::PropertyList(PropertyList&&) noexcept = default;
PropertyList& PropertyList::operator=(PropertyList&&) noexcept = default;

std::optional<PropertyList> PropertyList::parse(const std::vector<char>& data, Error* error) {
    const auto fail = [error](std::string description) -> std::optional<PropertyList> {
        if (error != nullptr) {
            error->description = std::move(description);
        }
        return std::nullopt;
    };
    if (data.empty()) {
        return fail("the data is empty");
    }
    if (data.size() > maxBytes) {
        return fail("it is larger than " + std::to_string(maxBytes) + " bytes");
    }
    const auto length = static_cast<std::uint32_t>(data.size());
    if (plist_is_binary(data.data(), length) != 0) {
        return fail("it is a binary property list; only XML ones are read");
    }
    if (!endsWithClosingTag(data)) {
        return fail("the XML property list is incomplete: it does not end with </plist>");
    }
    const std::string_view text(data.data(), data.size());
    // XML has no NUL character, and libplist 2.2 aborts (an assertion) on a string holding one.
    if (const auto nul = text.find('\0'); nul < text.rfind("</plist>")) {
        return fail("it holds a NUL byte at offset " + std::to_string(nul));
    }
    if (nestingDepth(text) > maxDepth) {
        return fail("it nests deeper than " + std::to_string(maxDepth) + " levels");
    }
    plist_t root = nullptr;
    plist_from_xml(data.data(), length, &root);
    if (root == nullptr) {
        return fail("the data is not a well-formed XML property list");
    }
    PropertyList list;
    list.impl_ = std::make_unique<Impl>(root);
    return list;
}

// A moved-from list has no Impl and reads as an empty dictionary.
bool PropertyList::isDictionary() const {
    return impl_ && impl_->dictionary() != nullptr;
}

std::size_t PropertyList::size() const {
    const plist_t dict = impl_ ? impl_->dictionary() : nullptr;
    return dict != nullptr ? plist_dict_get_size(dict) : 0;
}

bool PropertyList::contains(const std::string& key) const {
    return impl_ && impl_->item(key) != nullptr;
}

std::vector<std::string> PropertyList::keys() const {
    std::vector<std::string> result;
    const plist_t dict = impl_ ? impl_->dictionary() : nullptr;
    if (dict == nullptr) {
        return result;
    }
    plist_dict_iter rawIter = nullptr;
    plist_dict_new_iter(dict, &rawIter);
    const std::unique_ptr<void, FreeWithFree> iter(rawIter);
    for (;;) {
        char* rawKey = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(dict, rawIter, &rawKey, &value);
        const std::unique_ptr<char, FreeWithFree> key(rawKey);
        if (value == nullptr) {
            break;
        }
        result.emplace_back(key ? key.get() : "");
    }
    return result;
}

std::optional<bool> PropertyList::boolValue(const std::string& key) const {
    const plist_t node = impl_ ? impl_->item(key) : nullptr;
    if (node == nullptr || plist_get_node_type(node) != PLIST_BOOLEAN) {
        return std::nullopt;
    }
    std::uint8_t value = 0;
    plist_get_bool_val(node, &value);
    return value != 0;
}

std::optional<std::int64_t> PropertyList::integerValue(const std::string& key) const {
    const plist_t node = impl_ ? impl_->item(key) : nullptr;
    if (node == nullptr || plist_get_node_type(node) != PLIST_UINT) {
        return std::nullopt;
    }
    // libplist 2.2 has only an unsigned node; negative numbers live in it as their bit pattern.
    std::uint64_t value = 0;
    plist_get_uint_val(node, &value);
    return static_cast<std::int64_t>(value);
}

std::optional<std::string> PropertyList::stringValue(const std::string& key) const {
    const plist_t node = impl_ ? impl_->item(key) : nullptr;
    if (node == nullptr || plist_get_node_type(node) != PLIST_STRING) {
        return std::nullopt;
    }
    // By length: plist_get_string_val asserts when a string holds a NUL character.
    std::uint64_t length = 0;
    const char* value = plist_get_string_ptr(node, &length);
    return value != nullptr ? std::string(value, length) : std::string();
}

void PropertyList::setBool(const std::string& key, bool value) {
    if (!impl_) {
        *this = PropertyList();
    }
    impl_->set(key, plist_new_bool(value ? 1 : 0));
}

void PropertyList::setInteger(const std::string& key, std::int64_t value) {
    if (!impl_) {
        *this = PropertyList();
    }
    impl_->set(key, plist_new_uint(static_cast<std::uint64_t>(value)));
}

void PropertyList::setString(const std::string& key, const std::string& value) {
    if (!impl_) {
        *this = PropertyList();
    }
    impl_->set(key, plist_new_string(value.c_str()));
}

void PropertyList::remove(const std::string& key) {
    if (const plist_t dict = impl_ ? impl_->dictionary() : nullptr) {
        plist_dict_remove_item(dict, key.c_str());
    }
}

std::optional<std::string> PropertyList::toXml(Error* error) const {
    if (!impl_ || impl_->root == nullptr) {
        // A moved-from list writes as the empty dictionary it reads as.
        return PropertyList().toXml(error);
    }
    char* xml = nullptr;
    std::uint32_t length = 0;
    plist_to_xml(impl_->root, &xml, &length);
    if (xml == nullptr) {
        if (error != nullptr) {
            error->description = "the property list could not be written as XML";
        }
        return std::nullopt;
    }
    std::string result(xml, length);
    plist_to_xml_free(xml);
    return result;
}

} // namespace platform
