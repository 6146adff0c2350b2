#include "net/HttpClient.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

QtMessageHandler standardHandler = nullptr;

// The offscreen platform cannot raise windows and says so every time; nothing to learn there.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("This plugin does not support"))) {
        return;
    }
    if (standardHandler != nullptr) {
        standardHandler(type, context, message);
    }
}

} // namespace

// Every test process runs offscreen, with its own configuration and runtime folders, so no
// test touches the user's files, display or sound server.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir home;
    if (!home.isValid()) {
        return 1;
    }
    const QByteArray root = home.path().toUtf8();
    setenv("HOME", root.constData(), 1);
    setenv("XDG_CONFIG_HOME", (root + "/config").constData(), 1);
    setenv("XDG_DATA_HOME", (root + "/data").constData(), 1);
    setenv("XDG_CACHE_HOME", (root + "/cache").constData(), 1);
    // No sound server unless a test starts its own.
    setenv("PULSE_SERVER", (root + "/no-pulse-server").constData(), 1);
    setenv("PULSE_RUNTIME_PATH", (root + "/pulse").constData(), 1);
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    const QByteArray runtime = root + "/runtime";
    QDir().mkpath(QString::fromUtf8(runtime));
    QFile::setPermissions(QString::fromUtf8(runtime),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    setenv("XDG_RUNTIME_DIR", runtime.constData(), 1);
    standardHandler = qInstallMessageHandler(quietMessages);

    // Tests talk to their own servers on 127.0.0.1 only, never to the build's real ones.
    net::HttpClient::setLoopbackOnly(true);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
