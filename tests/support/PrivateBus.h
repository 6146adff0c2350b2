#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QTemporaryDir>

// A private session bus of the test's own, so that desktop services can be played without
// touching the user's.
struct PrivateBus {
    PrivateBus() {
        daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1",
                                     "--address=unix:path=" + folder.filePath("bus")});
        if (daemon.waitForReadyRead(10000)) {
            address = QString::fromUtf8(daemon.readLine()).trimmed();
        }
    }
    ~PrivateBus() {
        daemon.kill();
        daemon.waitForFinished();
    }
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    [[nodiscard]] QDBusConnection connect(const QString& name) const {
        return QDBusConnection::connectToBus(address, name);
    }

    QTemporaryDir folder;
    QProcess daemon;
    QString address;
};
