#include "fuzz/ReplyFuzzEntry.h"

#include "net/JsonDecoder.h"
#include "region/RegionReply.h"
#include "update/UpdateReply.h"

#include <cstdlib>

void fuzzReplyHandling(const std::uint8_t* data, std::size_t size) {
    using net::JsonDecoder;
    const auto require = [](bool condition) { condition ? void() : std::abort(); };
    const std::string_view body(reinterpret_cast<const char*>(data), size);
    const auto value = JsonDecoder::decode(body);
    if (value) {
        require(JsonDecoder::nestingDepth(body) <= JsonDecoder::maxDepth);
        const std::string description = JsonDecoder::describe(*value);
        require(description.find('\n') == std::string::npos);
        // What the log shows reads back as the same value, unless it was cut.
        require(description.size() > JsonDecoder::maxDescriptionBytes ||
                JsonDecoder::decode(description) == value);
    }

    // Region lookup: a country code decides the region and logs on one line; else it stays.
    const auto code = RegionReply::countryCode(value);
    require(!code || JsonDecoder::printable(*code).find('\n') == std::string::npos);
    require(code
                ? RegionReply::regionAfter(value, true) == RegionReply::regionAfter(value, false)
                : RegionReply::regionAfter(value, true) && !RegionReply::regionAfter(value, false));

    // Update check, against a normal and a non-numeric application code: an offer needs a
    // numeric code and the offer result code at the top level.
    for (const std::string_view appCode : {"1000300", "10000b00", "0"}) {
        if (UpdateReply::evaluate(value, appCode)) {
            require(UpdateReply::readInteger(appCode).has_value());
            require(value->at("ResultCode") == UpdateReply::offerResultCode);
        }
    }
    // The raw bytes as a version code: a number only when made of a sign and digits.
    require(!UpdateReply::readInteger(body) ||
            body.find_first_not_of("+-0123456789") == std::string_view::npos);
}
