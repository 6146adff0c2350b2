#include "update/UpdateReply.h"

#include <charconv>

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
    if (!offered) {
        return std::nullopt;
    }
    return Offer{.downloadLink = link->get<std::string>(), .versionName = name->get<std::string>()};
}
