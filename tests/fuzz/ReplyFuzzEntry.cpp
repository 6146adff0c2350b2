#include "fuzz/ReplyFuzzEntry.h"

#include "net/JsonDecoder.h"
#include "region/RegionReply.h"
#include "update/UpdateReply.h"

#include <cstdlib>
#include <string_view>

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

void fuzzReplyHandling(const std::uint8_t* data, std::size_t size) {
    const std::string_view body(reinterpret_cast<const char*>(data), size);
    const auto value = net::JsonDecoder::decode(body);
    if (value) {
        require(net::JsonDecoder::nestingDepth(body) <= net::JsonDecoder::maxDepth);
        const std::string description = net::JsonDecoder::describe(*value);
        require(description.find('\n') == std::string::npos);
        // What the log shows reads back as the same value, unless it was cut.
        if (description.size() <= net::JsonDecoder::maxDescriptionBytes) {
            const auto again = net::JsonDecoder::decode(description);
            require(again.has_value() && *again == *value);
        }
    }

    // Region lookup.
    const auto code = RegionReply::countryCode(value);
    if (code) {
        require(net::JsonDecoder::printable(*code).find('\n') == std::string::npos);
        require(RegionReply::regionAfter(value, true) == RegionReply::regionAfter(value, false));
    } else {
        require(RegionReply::regionAfter(value, true) && !RegionReply::regionAfter(value, false));
    }

    // Update check, against a normal and a non-numeric application code.
    for (const std::string_view appCode : {"1000300", "10000b00", "0"}) {
        const auto offer = UpdateReply::evaluate(value, appCode);
        if (offer) {
            require(UpdateReply::readInteger(appCode).has_value());
            require(value->at("ResultCode") == UpdateReply::offerResultCode);
        }
    }
    // The raw bytes as a version code: a number only when made of a sign and digits.
    if (UpdateReply::readInteger(body)) {
        require(body.find_first_not_of("+-0123456789") == std::string_view::npos);
    }
}
