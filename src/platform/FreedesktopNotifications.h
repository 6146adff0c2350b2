#pragma once

#include "platform/DesktopNotifications.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>

namespace platform {

// Notices through the desktop's notification server (org.freedesktop.Notifications on the
// session bus). Without one, the log line is all there is.
class FreedesktopNotifications final : public DesktopNotifications {
public:
    FreedesktopNotifications(QDBusConnection bus, QString applicationName, QString iconName);

    void notify(const std::string& title, const std::string& body) override;

private:
    QDBusConnection bus_;
    QString applicationName_;
    QString iconName_;
    // Holds the answers still awaited, so that they go with this object.
    QObject pending_;
};

} // namespace platform
