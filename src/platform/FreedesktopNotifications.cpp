#include "platform/FreedesktopNotifications.h"

#include "platform/Log.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace platform {

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
// The server's own default, which follows the user's choice.
constexpr int serverDefaultTimeout = -1;

} // namespace

FreedesktopNotifications::FreedesktopNotifications(QDBusConnection bus, QString applicationName,
                                                   QString iconName)
    : bus_(std::move(bus)), applicationName_(std::move(applicationName)),
      iconName_(std::move(iconName)) {}

void FreedesktopNotifications::notify(const std::string& title, const std::string& body) {
    Log::line("notice: " + title + (body.empty() ? "" : " (" + body + ")"));
    if (!bus_.isConnected()) {
        Log::line("notice not shown: no session bus");
        return;
    }
    auto call =
        QDBusMessage::createMethodCall(service, QStringLiteral("/org/freedesktop/Notifications"),
                                       service, QStringLiteral("Notify"));
    call << applicationName_ << 0U << iconName_ << QString::fromStdString(title)
         << QString::fromStdString(body) << QStringList{}
         << QVariantMap{{QStringLiteral("urgency"), QVariant::fromValue<uchar>(1)}}
         << serverDefaultTimeout;
    // Never wait for the server: a stalled one must not hold up a mode switch.
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), &pending_);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [](QDBusPendingCallWatcher* finished) {
                         const QDBusPendingReply<uint> reply = *finished;
                         if (reply.isError()) {
                             // ServiceUnknown: the desktop has no notification server.
                             Log::line("notice not shown: " +
                                       reply.error().message().toStdString());
                         }
                         finished->deleteLater();
                     });
}

} // namespace platform
