#include "audio/AppManger.h"
#include "audio/Audio.h"
#include "core/SpeakerDevice.h"
#include "platform/PulseAudioHardware.h"
#include "support/Answers.h"
#include "support/CapturedLog.h"
#include "support/PlatformDoubles.h"
#include "support/PulseServer.h"
#include "support/ScopedPlatform.h"
#include "support/TemporaryHome.h"

#include <QProcess>
#include <QTimer>

// Modes across processes give back the microphone; a frozen server or a gap ends cleanly.
TEST(PulseModesTest, ModesGiveBackTheMicrophoneAcrossProcessesAndOutliveAFrozenServerAndAGap) {
    TemporaryHome home; // the user's state, shared by the processes
    PulseServer server;
    server.addSource("webcam_mic", "HD Webcam Mono", "HD Webcam", "device.form_factor=webcam")
        .addSink("speaker", "Lumatix U Analog Stereo", "Lumatix U")
        .addSource("speaker_mic", "Lumatix U Mono", "Lumatix U")
        .addSource("builtin_mic", "Built-in Audio Analog Stereo", "",
                   "device.form_factor=internal device.bus=pci")
        .addSink("builtin", "Built-in Audio Analog Stereo");
    ASSERT_TRUE(server.start()) << server.log();
    ASSERT_TRUE(server.load({false, "headset_mic", "USB Headset Mono", "USB Headset",
                             "device.form_factor=headset device.bus=usb"}));
    ASSERT_TRUE(server.setDefaults("builtin", "headset_mic"));
    // Its exit status, first output line and error output; it runs without Qt's application.
    const auto command = [](const char* mode) {
        QProcess process;
        process.start(QStringLiteral(LUMATIX_COMMAND), {"--mode", mode});
        EXPECT_TRUE(process.waitForFinished(20000));
        return std::tuple(process.exitCode(), process.readLine().toStdString(),
                          process.readAllStandardError().toStdString());
    };
    const std::string meeting = "Meeting mode: output Lumatix U, input Lumatix U\n";
    const std::string music = "Music mode: output Lumatix U, input USB Headset\n";
    for (const auto& [mode, line, defaults] :
         {std::tuple("meeting", meeting, "speaker speaker_mic"),
          std::tuple("music", music, "speaker headset_mic"),
          std::tuple("meeting", meeting, "speaker speaker_mic"),
          std::tuple("meeting", meeting, "speaker speaker_mic"),
          std::tuple("music", music, "speaker headset_mic")}) {
        EXPECT_EQ(command(mode), std::tuple(0, line, std::string()));
        EXPECT_EQ(server.defaults(), defaults) << mode;
    }
    {
        using namespace std::chrono_literals;
        platform::PulseAudioHardware hardware("lumatix-modes-test", {300ms, 300ms, 100ms});
        MemoryUserState state;
        ScopedPlatform scoped({.audioHardware = &hardware, .userState = &state});
        ASSERT_TRUE(Audio::waitUntilSynchronized(10s));
        ASSERT_TRUE(server.pause());
        EXPECT_EQ(switchMode(true, true), AppManger::ModeSwitch::noAnswer);
        ASSERT_TRUE(server.resume());
        EXPECT_EQ(switchMode(true, true), AppManger::ModeSwitch::switched);
        EXPECT_EQ(server.defaults(), "speaker speaker_mic");

        const auto speakerphone = [] {
            return Audio::firstDeviceContaining(Audio::getOutputDevices(), speakerNameMark);
        };
        Audio::refreshSpeakerDevice();
        const auto before = speakerDevice().deviceID;
        ASSERT_TRUE(server.unloadSink("speaker"));
        bool successor = false;
        QTimer::singleShot(500ms, [&] {
            successor = server.load({true, "speaker", "Lumatix U Analog Stereo", "Lumatix U"});
        });
        ASSERT_TRUE(QTest::qWaitFor([&] { return !speakerphone(); }, 10000));
        CapturedLog log;
        EXPECT_EQ(switchMode(false, true), AppManger::ModeSwitch::deviceGone);
        EXPECT_TRUE(log.contains("mode switch: a device to choose is gone from the sound server"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return successor && speakerphone(); }, 10000));
        EXPECT_NE(speakerphone()->first, before);
        Audio::refreshSpeakerDevice();
        EXPECT_EQ(switchMode(false, true), AppManger::ModeSwitch::switched);
        EXPECT_EQ(server.defaults(), "speaker headset_mic");
    }
    server.stop();
    ASSERT_TRUE(server.start()) << server.log();
    EXPECT_EQ(command("music"),
              std::tuple(0, "Music mode: output Lumatix U, input Built-in Audio Analog Stereo\n",
                         std::string()));
    EXPECT_EQ(server.defaults(), "speaker builtin_mic");
}
