#include "platform/WebBrowser.h"

#include "platform/Log.h"

#include <QString>
#include <QUrl>

namespace platform {

bool WebBrowser::open(std::string_view address) {
    const QUrl url(QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size())),
                   QUrl::StrictMode);
    if (!url.isValid() || url.scheme().toLower() != QLatin1String("https") ||
        url.host().isEmpty()) {
        Log::line("Not opened in the browser (only https addresses are): " +
                  url.toDisplayString(QUrl::RemoveQuery | QUrl::RemoveUserInfo).toStdString());
        return false;
    }
    return openWebPage(url);
}

} // namespace platform
