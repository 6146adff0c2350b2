#include "net/JsonDecoder.h"

namespace net {

std::size_t JsonDecoder::nestingDepth(std::string_view body) {
    std::size_t depth = 0;
    std::size_t deepest = 0;
    bool inString = false;
    bool escaped = false;
    for (const char c : body) {
        if (inString) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                inString = false;
            }
            continue;
        }
        switch (c) {
        case '"':
            inString = true;
            break;
        case '[':
        case '{':
            deepest = std::max(deepest, ++depth);
            break;
        case ']':
        case '}':
            if (depth > 0) {
                --depth;
            }
            break;
        default:
            break;
        }
    }
    return deepest;
}

std::optional<nlohmann::json> JsonDecoder::decode(std::string_view body) {
    if (nestingDepth(body) > maxDepth) {
        return std::nullopt;
    }
    auto value =
        nlohmann::json::parse(body.begin(), body.end(), nullptr, /*allow_exceptions=*/false);
    if (value.is_discarded()) {
        return std::nullopt;
    }
    return value;
}

std::string JsonDecoder::describe(const nlohmann::json& value) {
    std::string text = value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    if (text.size() <= maxDescriptionBytes) {
        return text;
    }
    std::size_t cut = maxDescriptionBytes;
    // Step back over UTF-8 continuation bytes so the line stays valid text.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    text.resize(cut);
    text += "…";
    return text;
}

std::string JsonDecoder::printable(const std::string& text) {
    std::string quoted = describe(nlohmann::json(text));
    // Drop the quotes JSON puts around a string (a cut one has lost its closing quote).
    if (!quoted.empty() && quoted.front() == '"') {
        quoted.erase(0, 1);
    }
    if (!quoted.empty() && quoted.back() == '"') {
        quoted.pop_back();
    }
    return quoted;
}

} // namespace net
