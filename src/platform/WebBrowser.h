#pragma once

#include <string_view>

class QUrl;

namespace platform {

// The user's default web browser.
class WebBrowser {
public:
    virtual ~WebBrowser() = default;

    // Opens an https address in the browser; false (and a line) for any other address, false
    // when nothing opened it. Another scheme could start a local handler (file:, a custom one),
    // so the check is the same whichever browser opens the page.
    bool open(std::string_view address);

protected:
    // Hands a checked https address to the browser; false when nothing opened it.
    virtual bool openWebPage(const QUrl& page) = 0;
};

} // namespace platform
