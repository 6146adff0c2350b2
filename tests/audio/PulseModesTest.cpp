#include "audio/AppManger.h"
#include "audio/Audio.h"
#include "platform/PulseAudioHardware.h"
#include "support/Answers.h"
#include "support/PulseServer.h"
#include "support/ScopedPlatform.h"

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
        ScopedPlatform scoped({.audioHardware = &hardware});
        ASSERT_TRUE(Audio::waitUntilSynchronized(std::chrono::seconds(10)));
        Audio::refreshSpeakerDevice();
        const bool speakerphone = std::string(c.name).starts_with("Lumatix");
        EXPECT_EQ(switchMode(c.meeting, true), speakerphone
                                                   ? AppManger::ModeSwitch::switched
                                                   : AppManger::ModeSwitch::noSpeakerphone);
        EXPECT_EQ(server.defaults(), c.defaults);
    }
}

// The click and the command users run (a process of its own, without Qt's application object)
// report what the server did. A frozen server holds up neither: the switch ends by itself,
// saying so, and the next one after the server thaws goes through.
TEST(PulseModesTest, TheApplicationAndTheCommandReportWhatTheServerDid) {
    PulseServer server;
    // The built-in microphone first: the speakerphone's source comes with a plain master.
    server.addSource("builtin_mic", "Built-in Microphone")
        .addSink("speaker", "Lumatix U Analog Stereo", "Lumatix U")
        .addSource("speaker_mic", "Lumatix U Mono", "Lumatix U")
        .addSink("builtin", "Built-in Speakers");
    ASSERT_TRUE(server.start()) << server.log();
    ASSERT_TRUE(server.setDefaults("builtin", "builtin_mic"));
    const auto command = [](const QStringList& arguments) {
        QProcess process;
        process.start(QStringLiteral(LUMATIX_COMMAND), arguments);
        EXPECT_TRUE(process.waitForFinished(20000));
        return std::pair(process.exitCode(),
                         QString::fromUtf8(process.readAllStandardError()).toStdString());
    };
    const auto meeting = QStringList{"--mode", "meeting"};
    EXPECT_EQ(command(meeting), std::pair(0, std::string()));
    EXPECT_EQ(server.defaults(), "speaker speaker_mic");
    EXPECT_EQ(command({"--mode", "music"}).first, 0);
    EXPECT_EQ(server.defaults(), "speaker builtin_mic");

    using namespace std::chrono_literals;
    platform::PulseAudioHardware hardware("lumatix-modes-test", {300ms, 300ms, 100ms});
    ScopedPlatform scoped({.audioHardware = &hardware});
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
