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
        // The package's SHA-256 in lower-case hex; empty when the reply has none.
        std::string sha256;
    };

    // An offer only for an object reply whose top-level "ResultCode" is the integer 9906 and
    // whose "getUpdateList" object holds the three texts, with a server version code that is
    // a number greater than the application's. An optional "sha256" text there must be 64 hex
    // digits: a reply with any other is no offer, since its package could not be checked.
    [[nodiscard]] static std::optional<Offer> evaluate(const std::optional<nlohmann::json>& reply,
                                                       std::string_view appVersionCode);
    // The "sha256" member of the update list: an empty text when absent, none when malformed.
    [[nodiscard]] static std::optional<std::string> checksumIn(const nlohmann::json& list);
    // Optional sign and decimal digits only, within a signed 64-bit integer.
    [[nodiscard]] static std::optional<std::int64_t> readInteger(std::string_view text);
};
