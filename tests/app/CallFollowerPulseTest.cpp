#include "app/CallFollower.h"
#include "audio/AppManger.h"
#include "audio/Audio.h"
#include "core/FollowCalls.h"
#include "platform/Bundle.h"
#include "platform/PulseAudioHardware.h"
#include "support/PlatformDoubles.h"
#include "support/PulseServer.h"
#include "support/ScopedPlatform.h"
#include "support/TemporaryHome.h"
#include "ui/Localization.h"

#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A program recording from the default input, known to the server by these properties.
std::unique_ptr<QProcess> recording(const QString& properties) {
    auto process = std::make_unique<QProcess>();
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PULSE_PROP"), properties);
    process->setProcessEnvironment(environment);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->start(QStringLiteral("pacat"), {QStringLiteral("--record")});
    EXPECT_TRUE(process->waitForStarted(5000));
    return process;
}

void stop(QProcess& process) {
    process.kill();
    process.waitForFinished(5000);
}

// Following calls on a real server. Another program's recording, or a call while following is
// off, moves nothing. A call from Zoom moves both defaults to the speakerphone, with a notice;
// once it ends, Music mode comes back after the grace, with a notice.
TEST(CallFollowerPulseTest, ACallFromZoomTakesMeetingModeAndGivesItBackAfterTheCall) {
    using namespace std::chrono_literals;
    TemporaryHome home;
    PulseServer server;
    server.addSink("speaker", "Lumatix U Analog Stereo", "Lumatix U")
        .addSource("speaker_mic", "Lumatix U Mono", "Lumatix U")
        .addSource("builtin_mic", "Built-in Audio Analog Stereo", "",
                   "device.form_factor=internal device.bus=pci")
        .addSink("builtin", "Built-in Audio Analog Stereo");
    ASSERT_TRUE(server.start()) << server.log();
    ASSERT_TRUE(server.setDefaults("speaker", "builtin_mic"));
    platform::PulseAudioHardware hardware("lumatix-calls-test");
    MemoryUserState state;
    RecordingNotifications notices;
    platform::Bundle bundle({.identifier = "test"}); // where the translations are
    ScopedPlatform scoped({.audioHardware = &hardware,
                           .bundle = &bundle,
                           .userState = &state,
                           .desktopNotifications = &notices});
    ASSERT_TRUE(Audio::waitUntilSynchronized(10s));
    ASSERT_TRUE(Localization::install(Localization::english));
    AppManger::shared().startCheckBTStatusTimer();
    CallFollower follower;

    const QString zoom =
        QStringLiteral(R"(application.name="ZOOM VoiceEngine" application.process.binary="zoom")");
    for (const auto& [following, properties] :
         {std::pair(true, QStringLiteral(R"(application.name="Audacity")")),
          std::pair(false, zoom)}) {
        ASSERT_TRUE(FollowCalls::setOn(following));
        auto other = recording(properties);
        // Given the time a call takes to be followed, many times over.
        QTest::qWait(1500);
        EXPECT_EQ(server.defaults(), "speaker builtin_mic") << properties.toStdString();
        stop(*other);
    }
    EXPECT_TRUE(notices.shown.empty());

    ASSERT_TRUE(FollowCalls::setOn(true));
    auto call = recording(zoom);
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.defaults() == "speaker speaker_mic"; }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return notices.shown.size() == 1; }, 2000));
    stop(*call);
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.defaults() == "speaker builtin_mic"; }, 10000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return notices.shown.size() == 2; }, 2000));
    EXPECT_EQ(notices.shown,
              (std::vector<std::string>{"Meeting mode is on: Zoom is using the microphone",
                                        "Music mode is back on"}));
    AppManger::shared().stopCheckBTStatusTimer();
    Localization::uninstall();
}

} // namespace
