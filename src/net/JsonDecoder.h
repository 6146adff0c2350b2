#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace net {

// Turns reply bodies into JSON values. Any top-level value is accepted (fragments included);
// anything else, too deep or not UTF-8, gives no value.
class JsonDecoder {
public:
    // Nesting beyond this is refused: printing or comparing such a value would recurse that deep.
    static constexpr std::size_t maxDepth = 256;
    // Descriptions longer than this are cut, so one odd reply cannot flood the log.
    static constexpr std::size_t maxDescriptionBytes = 2048;

    [[nodiscard]] static std::optional<nlohmann::json> decode(std::string_view body);
    // The value as compact JSON text, cut at maxDescriptionBytes on a character boundary.
    [[nodiscard]] static std::string describe(const nlohmann::json& value);
    // Text from a reply made safe for one log line: control characters escaped as in JSON,
    // cut like describe().
    [[nodiscard]] static std::string printable(const std::string& text);
    [[nodiscard]] static std::size_t nestingDepth(std::string_view body);
};

} // namespace net
