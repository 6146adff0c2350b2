#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

// What an update server reply offers, judged against the application's own version code.
class UpdateReply {
public:
    // The server's answer code for "a version is on offer".
    static constexpr std::int64_t offerResultCode = 9906;

    struct Offer {
        std::string downloadLink;
        std::string versionName;
    };

    // An offer only for an object reply whose top-level "ResultCode" is the integer 9906 and
    // whose "getUpdateList" object holds the three texts, with a server version code that is
    // a number greater than the application's.
    [[nodiscard]] static std::optional<Offer> evaluate(const std::optional<nlohmann::json>& reply,
                                                       std::string_view appVersionCode);
    // Optional sign and decimal digits only, within a signed 64-bit integer.
    [[nodiscard]] static std::optional<std::int64_t> readInteger(std::string_view text);
};
