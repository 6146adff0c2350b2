#pragma once

#include "platform/WebBrowser.h"

namespace platform {

// The desktop's default browser, as xdg-open or the portal chooses it.
class XdgWebBrowser final : public WebBrowser {
protected:
    bool openWebPage(const QUrl& page) override;
};

} // namespace platform
