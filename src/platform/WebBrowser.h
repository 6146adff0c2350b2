#pragma once

#include <string_view>

namespace platform {

// The user's default web browser.
class WebBrowser {
public:
    // Opens the address in the browser; false when the address is not one or nothing opened it.
    static bool open(std::string_view address);
};

} // namespace platform
