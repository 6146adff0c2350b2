#include "platform/XdgWebBrowser.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

bool XdgWebBrowser::openWebPage(const QUrl& page) {
    return QDesktopServices::openUrl(page);
}

} // namespace platform
