#include "audio/AppManger.h"
#include "audio/Audio.h"
#include "platform/PulseAudioHardware.h"
#include "support/Answers.h"
#include "support/PlatformDoubles.h"
#include "support/PulseServer.h"
#include "support/ScopedPlatform.h"
#include "support/TemporaryHome.h"

#include <QProcess>

// What only a real server shows: its monitors are no microphones for Music mode, and a name in
// another case is no speakerphone. The usual switches are the test below.
TEST(PulseModesTest, ModesMoveTheServerDefaultsToTheRightDevices) {
    const struct {
        const char* name; // description of the speakerphone's sink and source
        bool meeting;
        bool builtinMic;      // without it only monitors are left besides the speakerphone's mic
        const char* defaults; // the server's default sink and source afterwards
    } cases[] = {
        {"Lumatix U", false, false, "speaker speaker_mic"},
        // No speakerphone: the name's case matters, and nothing changes.
        {"lumatix u", true, true, "builtin builtin_mic"},
        {"lumatix u", false, true, "builtin speaker_mic"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + (c.meeting ? " meeting" : " music"));
        PulseServer server;
        server.addSink("speaker", c.name).addSink("builtin", "Built-in Speakers");
        server.addSource("speaker_mic", c.name);
        if (c.builtinMic) {
            server.addSource("builtin_mic", "Built-in Microphone");
        }
        ASSERT_TRUE(server.start()) << server.log();
        // Defaults other than those each mode should choose.
        ASSERT_TRUE(server.setDefaults("builtin", c.meeting ? "builtin_mic" : "speaker_mic"));
        platform::PulseAudioHardware hardware("lumatix-modes-test");
        MemoryUserState state;
        ScopedPlatform scoped({.audioHardware = &hardware, .userState = &state});
        ASSERT_TRUE(Audio::waitUntilSynchronized(std::chrono::seconds(10)));
        Audio::refreshSpeakerDevice();
        const bool speakerphone = std::string(c.name).starts_with("Lumatix");
        EXPECT_EQ(switchMode(c.meeting, true), speakerphone
                                                   ? AppManger::ModeSwitch::switched
                                                   : AppManger::ModeSwitch::noSpeakerphone);
        EXPECT_EQ(server.defaults(), c.defaults);
    }
}

namespace {

// The command users run, as a process of its own without Qt's application object: its exit
// status and what it said on its error output.
std::pair<int, std::string> command(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(LUMATIX_COMMAND), arguments);
    EXPECT_TRUE(process.waitForFinished(20000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError()).toStdString()};
}

const QStringList meeting{"--mode", "meeting"};
const QStringList music{"--mode", "music"};

} // namespace

// Meeting and then Music mode as two processes give back the microphone used before, which
// the server lists after a webcam's. When it is gone (a server started afresh without it),
// the computer's own microphone is taken over the webcam's.
TEST(PulseModesTest, MusicFromTheCommandGivesBackTheMicrophoneOfBeforeMeeting) {
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
    for (const auto& [arguments, defaults] :
         {std::pair(meeting, "speaker speaker_mic"), std::pair(music, "speaker headset_mic"),
          std::pair(meeting, "speaker speaker_mic"), std::pair(meeting, "speaker speaker_mic"),
          std::pair(music, "speaker headset_mic")}) {
        EXPECT_EQ(command(arguments), std::pair(0, std::string()));
        EXPECT_EQ(server.defaults(), defaults);
    }
    server.stop();
    ASSERT_TRUE(server.start()) << server.log();
    EXPECT_EQ(command(music), std::pair(0, std::string()));
    EXPECT_EQ(server.defaults(), "speaker builtin_mic");
}

// The click and the command report what the server did. A frozen server holds up neither: the
// switch ends by itself, saying so, and the next one after the server thaws goes through.
TEST(PulseModesTest, TheApplicationAndTheCommandReportWhatTheServerDid) {
    PulseServer server;
    server.addSink("speaker", "Lumatix U Analog Stereo", "Lumatix U")
        .addSource("speaker_mic", "Lumatix U Mono", "Lumatix U")
        .addSink("builtin", "Built-in Speakers");
    ASSERT_TRUE(server.start()) << server.log();

    using namespace std::chrono_literals;
    platform::PulseAudioHardware hardware("lumatix-modes-test", {300ms, 300ms, 100ms});
    MemoryUserState state;
    ScopedPlatform scoped({.audioHardware = &hardware, .userState = &state});
    ASSERT_TRUE(Audio::waitUntilSynchronized(10s));
    ASSERT_TRUE(server.pause());
    EXPECT_EQ(switchMode(true, true), AppManger::ModeSwitch::noAnswer);
    const auto [stalled, stalledMessage] = command(meeting);
    EXPECT_EQ(stalled, 1);
    EXPECT_NE(stalledMessage.find("no sound server answered"), std::string::npos);
    ASSERT_TRUE(server.resume());
    EXPECT_EQ(switchMode(true, true), AppManger::ModeSwitch::switched);
    EXPECT_EQ(server.defaults(), "speaker speaker_mic");
    server.stop();
    EXPECT_EQ(command(meeting).first, 1);
}
