#pragma once

#include <string_view>

namespace platform {

// The user's default web browser.
class WebBrowser {
public:
    // Opens an https address in the browser; false (and a line) for any other address, false
    // when nothing opened it.
    static bool open(std::string_view address);
};

} // namespace platform
