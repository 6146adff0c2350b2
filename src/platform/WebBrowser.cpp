#include "platform/WebBrowser.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace platform {

bool WebBrowser::open(std::string_view address) {
    const QUrl url(QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size())),
                   QUrl::StrictMode);
    if (!url.isValid() || url.isRelative()) {
        return false;
    }
    return QDesktopServices::openUrl(url);
}

} // namespace platform
