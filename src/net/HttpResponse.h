#pragma once

#include <optional>
#include <string>

namespace net {

// How a data request ended, without its body.
struct HttpResponse {
    // Set when the transfer or a validation failed.
    std::optional<std::string> error;
    // The HTTP status, 0 when none arrived.
    int statusCode = 0;
};

} // namespace net
