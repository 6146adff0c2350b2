#include "audio/AppManger.h"
#include "core/ProcessState.h"
#include "ui/Accessibility.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// Every test starts from the values a new process has, and leaves no monitor ticking into
// the next one.
class ProcessStateReset : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo& /*test*/) override { resetProcessState(); }
    void OnTestEnd(const ::testing::TestInfo& /*test*/) override {
        AppManger::shared().stopCheckBTStatusTimer();
    }
};

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
    setenv("XDG_STATE_HOME", (root + "/state").constData(), 1);
    // No sound server unless a test starts its own.
    setenv("PULSE_SERVER", (root + "/no-pulse-server").constData(), 1);
    setenv("PULSE_RUNTIME_PATH", (root + "/pulse").constData(), 1);
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    const QByteArray runtime = root + "/runtime";
    QDir().mkpath(QString::fromUtf8(runtime));
    QFile::setPermissions(QString::fromUtf8(runtime),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    setenv("XDG_RUNTIME_DIR", runtime.constData(), 1);

    // The offscreen platform's own screen is 800 x 600; the layouts are made for a desktop.
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        QFile screens(home.filePath(QStringLiteral("offscreen-screens.json")));
        if (!screens.open(QIODevice::WriteOnly) ||
            screens.write(R"({"screens":[{"name":"desktop","x":0,"y":0,"width":1920,)"
                          R"("height":1080,"logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})") < 0) {
            return 1;
        }
        screens.close();
        setenv("QT_QPA_PLATFORM",
               ("offscreen:configfile=" + screens.fileName()).toUtf8().constData(), 1);
    }
    QApplication app(argc, argv);
    Accessibility::install();
    ::testing::UnitTest::GetInstance()->listeners().Append(new ProcessStateReset);
    return RUN_ALL_TESTS();
}
