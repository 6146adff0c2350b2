#include "region/RegionReply.h"

std::optional<std::string> RegionReply::countryCode(const std::optional<nlohmann::json>& value) {
    if (!value || !value->is_object()) {
        return std::nullopt;
    }
    const auto member = value->find("countryCode");
    if (member == value->end() || !member->is_string()) {
        return std::nullopt;
    }
    return member->get<std::string>();
}

bool RegionReply::isGlobalFor(std::string_view countryCode) {
    return countryCode != "CN" && countryCode != "HK" && countryCode != "MO";
}

bool RegionReply::regionAfter(const std::optional<nlohmann::json>& value, bool previousIsGlobal) {
    const auto code = countryCode(value);
    return code ? isGlobalFor(*code) : previousIsGlobal;
}
