#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

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

    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
