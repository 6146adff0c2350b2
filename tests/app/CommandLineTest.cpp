#include "app/CommandLine.h"

#include "BuildConfig.h"
#include "platform/SingleInstance.h"
#include "platform/StateFile.h"
#include "support/CapturedLog.h"
#include "support/PlatformDoubles.h"
#include "support/ScopedPlatform.h"

#include <QLocalServer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using namespace std::chrono_literals;
using Action = CommandLineRequest::Action;

TEST(CommandLineTest, ParsesEveryCommandAndRejectsTheRest) {
    const std::vector<std::pair<std::vector<std::string>, Action>> cases{
        {{}, Action::runApplication},
        {{"--list-devices"}, Action::listDevices},
        {{"--mode", "meeting"}, Action::meetingMode},
        {{"--mode=music"}, Action::musicMode},
        {{"--version"}, Action::version},
        {{"--help"}, Action::help},
        {{"--mode"}, Action::invalid},
        {{"--mode", "Meeting"}, Action::invalid},
        {{"--version", "--help"}, Action::invalid},
        {{"--mode", "music", "extra"}, Action::invalid},
        {{"--follow-calls", "on"}, Action::followCallsOn},
        {{"--follow-calls=off"}, Action::followCallsOff},
        {{"--follow-calls"}, Action::invalid},
        {{"--follow-calls", "yes"}, Action::invalid},
        {{"--follow-callsx"}, Action::invalid},
    };
    for (const auto& [arguments, action] : cases) {
        const auto request = CommandLine::parse(arguments);
        EXPECT_EQ(request.action, action) << testing::PrintToString(arguments);
        EXPECT_EQ(request.error.empty(), action != Action::invalid);
    }
}

// The commands against a sound server in memory.
class CommandLineRunTest : public ::testing::Test {
protected:
    int run(const std::vector<std::string>& arguments) {
        out.str({});
        err.str({});
        return CommandLine::run(CommandLine::parse(arguments), out, err);
    }
    MemoryAudioHardware hardware;
    MemoryUserState state;
    ScopedPlatform scoped{{.audioHardware = &hardware, .userState = &state}};
    CapturedLog log;
    std::ostringstream out, err;
};

// Modes that go through: the command against a real server.
TEST_F(CommandLineRunTest, DevicesAndFailedModesWithTheirExitStatus) {
    EXPECT_EQ(run({"--list-devices"}), 0);
    EXPECT_EQ(out.str(), "Output devices: none\nInput devices: none\n");
    hardware.setOutputs({{3, "Built-in Speakers"}, {7, "Lumatix U", "Lumatix U Analog Stereo"}});
    hardware.setInputs({{5, "Lumatix U"}, {2, "Built-in Microphone"}});
    EXPECT_EQ(run({"--list-devices"}), 0);
    EXPECT_EQ(out.str(),
              "Output devices:\n  3\tBuilt-in Speakers\n"
              "  7\tLumatix U (Lumatix U Analog Stereo)\t[speakerphone]\n"
              "Input devices:\n  2\tBuilt-in Microphone\n  5\tLumatix U\t[speakerphone]\n");

    // The server's forced answer, the command, its exit status and what it says.
    using platform::AudioResult;
    for (const auto& [answer, arguments, status, message] : std::vector<
             std::tuple<std::optional<AudioResult>, std::vector<std::string>, int, std::string>>{
             {std::nullopt, {"--mode", "party"}, 2, "party"},
             {AudioResult::refused, {"--mode", "meeting"}, 1, "did not accept"},
             {AudioResult::timedOut, {"--mode", "music"}, 1, "did not answer"},
         }) {
        hardware.forcedAnswer = answer;
        EXPECT_EQ(run(arguments), status) << message;
        EXPECT_NE(err.str().find(message), std::string::npos) << err.str();
    }
    const auto outputRequests = hardware.outputRequests.size();
    hardware.setOutputs({{3, "Built-in Speakers"}});
    EXPECT_EQ(run({"--mode", "music"}), 1);
    EXPECT_NE(err.str().find("Lumatix U"), std::string::npos);
    EXPECT_EQ(hardware.outputRequests.size(), outputRequests);
}

// The setting is saved in the user's state, and a running assistant hears of it.
TEST(CommandLineTest, FollowCallsIsSavedAndReachesTheRunningAssistant) {
    QTemporaryDir runtime;
    platform::SingleInstance running(
        platform::SingleInstance::socketPathIn(runtime.path(), runtime.path(), runtime.path(),
                                               QString::fromUtf8(build_config::appId.data())));
    ASSERT_TRUE(running.listen());
    QSignalSpy told(&running, &platform::SingleInstance::userStateChanged);
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("XDG_STATE_HOME"), runtime.filePath(QStringLiteral("state")));
    for (const auto& [value, output] :
         {std::pair("on", "Following calls: on\n"), std::pair("off", "Following calls: off\n")}) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(LUMATIX_COMMAND), {QStringLiteral("--follow-calls"), value});
        // The running assistant answers from this loop while the command waits for it.
        EXPECT_TRUE(told.wait(20000)) << value;
        EXPECT_TRUE(process.waitForFinished(20000));
        EXPECT_EQ(process.exitCode(), 0);
        EXPECT_EQ(process.readAllStandardOutput().toStdString(), output);
        platform::StateFile state(
            std::filesystem::path(runtime.filePath(QStringLiteral("state")).toStdString()) /
            build_config::appId / "state");
        EXPECT_EQ(state.value("follow-calls"), value);
    }
}

// Modes through a Bluetooth profile change say in one line what changed, logging nothing.
TEST_F(CommandLineRunTest, ModesGoThroughAProfileChangeAndSayWhatChanged) {
    hardware.setInputs({{2, "Built-in Microphone"}, {3, "USB Mic", "", std::nullopt, "usb"}});
    hardware.addBluetoothSpeakerphone();
    hardware.defaultInput = 3; // given back by Music mode
    hardware.copy = MemoryAudioHardware::Copy::reads;
    hardware.profileArrival = 100ms;
    for (const auto& [mode, profile, line] :
         {std::tuple("meeting", "headset_head_unit",
                     "Meeting mode: output Lumatix U, input Lumatix U\n"),
          std::tuple("music", "a2dp_sink", "Music mode: output Lumatix U, input USB Mic\n")}) {
        EXPECT_EQ(run({"--mode", mode}), 0) << err.str();
        EXPECT_EQ(out.str(), line);
        EXPECT_EQ(hardware.server().cards.back().activeProfile, profile);
    }
    hardware.copy = MemoryAudioHardware::Copy::live;
    hardware.setCards({});
    hardware.setOutputs({{7, "Lumatix U"}});
    EXPECT_EQ(run({"--mode", "meeting"}), 0);
    EXPECT_EQ(out.str(),
              "Meeting mode: output Lumatix U only; the speakerphone has no microphone\n");
    EXPECT_TRUE(log.lines().empty());
}

// --version and --help never connect to a (stalled) sound server; --list-devices gives up on it.
TEST(CommandLineTest, VersionAndHelpNeverReachForTheSoundServer) {
    QTemporaryDir folder;
    QLocalServer stalled;
    ASSERT_TRUE(stalled.listen(folder.filePath(QStringLiteral("native"))));
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PULSE_SERVER"), "unix:" + stalled.fullServerName());
    const auto run = [&](const char* program, const QString& option) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QString::fromUtf8(program), {option});
        EXPECT_TRUE(process.waitForFinished(20000));
        return std::tuple(process.exitCode(), process.readAllStandardOutput().toStdString(),
                          process.readAllStandardError().toStdString());
    };
    const auto version =
        std::string(build_config::appName) + ' ' + std::string(build_config::buildVersion) + '\n';
    for (const char* program : {LUMATIX_COMMAND, LUMATIX_DESKTOP_COMMAND}) {
        for (const auto& [option, output] :
             {std::pair(QStringLiteral("--version"), version),
              std::pair(QStringLiteral("--help"), CommandLine::usage())}) {
            SCOPED_TRACE(program + (' ' + option.toStdString()));
            EXPECT_EQ(run(program, option), std::tuple(0, output, std::string()));
            EXPECT_FALSE(stalled.waitForNewConnection(0));
        }
    }
    const auto [status, output, errors] = run(LUMATIX_COMMAND, QStringLiteral("--list-devices"));
    EXPECT_EQ(status, 1);
    EXPECT_NE(errors.find("no sound server answered"), std::string::npos) << errors;
    EXPECT_TRUE(stalled.waitForNewConnection(0));
}

} // namespace
