#include "update/UpdateReply.h"

#include <algorithm>
#include <cctype>
#include <charconv>

std::optional<std::string> UpdateReply::checksumIn(const nlohmann::json& list) {
    const auto member = list.find("sha256");
    if (member == list.end()) {
        return std::string();
    }
    if (!member->is_string()) {
        return std::nullopt;
    }
    std::string hex = member->get<std::string>();
    if (hex.size() != 64 ||
        !std::ranges::all_of(hex, [](unsigned char c) { return std::isxdigit(c) != 0; })) {
        return std::nullopt;
    }
    std::ranges::transform(hex, hex.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return hex;
}

std::optional<std::int64_t> UpdateReply::readInteger(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
            return std::nullopt;
        }
    }
    if (text.empty()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<UpdateReply::Offer> UpdateReply::evaluate(const std::optional<nlohmann::json>& reply,
                                                        std::string_view appVersionCode) {
    if (!reply || !reply->is_object()) {
        return std::nullopt;
    }
    const auto list = reply->find("getUpdateList");
    if (list == reply->end() || !list->is_object()) {
        return std::nullopt;
    }
    const auto resultCode = reply->find("ResultCode");
    if (resultCode == reply->end() || !resultCode->is_number_integer()) {
        return std::nullopt;
    }
    const auto text = [&](const char* name) -> const nlohmann::json* {
        const auto member = list->find(name);
        return member != list->end() && member->is_string() ? &*member : nullptr;
    };
    const auto* serverCode = text("versionCode");
    const auto* link = text("downloadLink");
    const auto* name = text("versionName");
    if (serverCode == nullptr || link == nullptr || name == nullptr) {
        return std::nullopt;
    }
    const auto ours = readInteger(appVersionCode);
    if (!ours) {
        return std::nullopt;
    }
    const auto theirs = readInteger(serverCode->get_ref<const std::string&>());
    if (!theirs || !(*ours < *theirs)) {
        return std::nullopt;
    }
    // Unsigned storage covers codes beyond the signed range, which are not 9906 either.
    const bool offered = resultCode->is_number_unsigned()
                             ? resultCode->get<std::uint64_t>() == offerResultCode
                             : resultCode->get<std::int64_t>() == offerResultCode;
    const auto sha256 = checksumIn(*list);
    if (!offered || !sha256) {
        return std::nullopt;
    }
    return Offer{.downloadLink = link->get<std::string>(),
                 .versionName = name->get<std::string>(),
                 .sha256 = *sha256};
}
