#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

// What a geolocation reply says about the user's region.
class RegionReply {
public:
    // "countryCode" of an object reply, when it is text.
    [[nodiscard]] static std::optional<std::string>
    countryCode(const std::optional<nlohmann::json>& value);
    // False for mainland China, Hong Kong and Macau, exactly as the service spells them.
    [[nodiscard]] static bool isGlobalFor(std::string_view countryCode);
    // The region after a reply: decided by a country code, else the previous one stays.
    [[nodiscard]] static bool regionAfter(const std::optional<nlohmann::json>& value,
                                          bool previousIsGlobal);
};
