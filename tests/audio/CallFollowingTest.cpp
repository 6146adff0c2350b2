#include "audio/CallFollowing.h"

#include "audio/CallStreams.h"
#include "audio/ModeInUse.h"

#include <gtest/gtest.h>

namespace {

using platform::RecordingStream;
using Switch = CallFollowing::Step::Switch;

RecordingStream stream(std::string name, std::string binary, std::string id = {}) {
    RecordingStream result;
    result.applicationName = std::move(name);
    result.processBinary = std::move(binary);
    result.applicationId = std::move(id);
    return result;
}

TEST(CallStreams, KnowsConferencingProgramsAndBrowsersByAnyOfTheirNames) {
    const auto meter = [] {
        auto s = stream("Firefox", "firefox");
        s.peakMeter = true;
        return s;
    }();
    const auto monitor = [] {
        auto s = stream("ZOOM VoiceEngine", "zoom");
        s.fromMonitor = true;
        return s;
    }();
    for (const auto& [recording, program] :
         std::vector<std::pair<RecordingStream, std::optional<std::string>>>{
             {stream("ZOOM VoiceEngine", "zoom"), "Zoom"},
             {stream("", "/opt/zoom/zoom"), "Zoom"},
             {stream("", "", "us.zoom.Zoom"), "Zoom"},
             {stream("teams-for-linux", ""), "Microsoft Teams"},
             {stream("", "", "com.github.IsmaelMartinez.teams_for_linux"), "Microsoft Teams"},
             {stream("Skype", "skypeforlinux"), "Skype"},
             {stream("WEBRTC VoiceEngine", "Discord"), "Discord"},
             {stream("", "wemeetapp"), "VooV Meeting"},
             {stream("Google Chrome", "chrome"), "Google Chrome"},
             {stream("Firefox", "firefox-esr"), "Firefox"},
             {stream("", "msedge"), "Microsoft Edge"},
             // Not calls: other recorders, meters, mixers, monitors, nothing known.
             {stream("Audacity", "audacity"), std::nullopt},
             {stream("parecord", "parecord"), std::nullopt},
             {stream("Zoomer", "zoomer"), std::nullopt},
             {meter, std::nullopt},
             {monitor, std::nullopt},
             {stream("PulseAudio Volume Control", "pavucontrol", "org.PulseAudio.pavucontrol"),
              std::nullopt},
             {stream("Firefox", "lumatix-connection-assistant"), std::nullopt},
             {stream("", ""), std::nullopt},
         }) {
        EXPECT_EQ(CallStreams::callApplication(recording), program)
            << recording.applicationName << " / " << recording.processBinary;
    }
    EXPECT_EQ(CallStreams::firstCall(
                  {stream("Audacity", "audacity"), stream("", "slack"), stream("", "zoom")}),
              "Slack");
}

// One moment of a sequence, and what following decides then.
struct Moment {
    int second;
    std::optional<std::string> call;
    bool speakerphone;
    bool meeting;
    Switch expected;
    bool userChoseBefore = false;
};

TEST(CallFollowing, SwitchesForTheCallAndBackAfterTheGraceUnlessSomeoneChose) {
    const std::optional<std::string> zoom = "Zoom";
    const std::vector<std::pair<const char*, std::vector<Moment>>> sequences{
        {"a call and its end",
         {{0, zoom, true, false, Switch::toMeeting},
          {1, zoom, true, true, Switch::none},
          {2, {}, true, true, Switch::none},
          {6, {}, true, true, Switch::none},
          {7, {}, true, true, Switch::toMusic},
          {20, {}, true, false, Switch::none}}},
        {"a server that tells of the new defaults late",
         {{0, zoom, true, false, Switch::toMeeting},
          {1, zoom, true, false, Switch::none},
          {2, {}, true, false, Switch::none},
          {3, {}, true, true, Switch::none},
          {7, {}, true, true, Switch::toMusic}}},
        {"a stream that reconnects within the grace",
         {{0, zoom, true, false, Switch::toMeeting},
          {2, {}, true, true, Switch::none},
          {5, zoom, true, true, Switch::none},
          {9, {}, true, true, Switch::none},
          {14, {}, true, true, Switch::toMusic}}},
        {"a mode chosen by hand during the call",
         {{0, zoom, true, false, Switch::toMeeting},
          {3, zoom, true, true, Switch::none, true},
          {4, {}, true, true, Switch::none},
          {30, {}, true, true, Switch::none}}},
        {"Music chosen elsewhere during the call",
         {{0, zoom, true, false, Switch::toMeeting},
          {2, zoom, true, true, Switch::none},
          {3, zoom, true, false, Switch::none},
          {4, {}, true, false, Switch::none},
          {30, {}, true, false, Switch::none}}},
        {"Meeting mode already in use",
         {{0, zoom, true, true, Switch::none},
          {1, {}, true, true, Switch::none},
          {30, {}, true, true, Switch::none}}},
        {"the speakerphone leaves during the call",
         {{0, zoom, true, false, Switch::toMeeting},
          {2, zoom, false, false, Switch::none},
          {3, zoom, true, false, Switch::none},
          {4, {}, true, false, Switch::none},
          {30, {}, true, false, Switch::none}}},
        {"a call before the speakerphone is there",
         {{0, zoom, false, false, Switch::none},
          {1, zoom, true, false, Switch::none},
          {2, {}, true, false, Switch::none},
          {3, zoom, true, false, Switch::toMeeting}}},
    };
    for (const auto& [name, moments] : sequences) {
        CallFollowing following;
        const auto start = CallFollowing::Clock::time_point{};
        for (const Moment& moment : moments) {
            if (moment.userChoseBefore) {
                following.forgetOwnSwitch();
            }
            const auto step =
                following.update({true, moment.call, moment.speakerphone, moment.meeting},
                                 start + std::chrono::seconds(moment.second));
            EXPECT_EQ(step.action, moment.expected) << name << ", at " << moment.second << " s";
            if (step.action == Switch::toMeeting) {
                EXPECT_EQ(step.application, "Zoom");
            }
        }
    }
}

TEST(CallFollowing, AsksToBeWokenAtTheEndOfTheGraceAndDoesNothingWhenOff) {
    CallFollowing following;
    const auto start = CallFollowing::Clock::time_point{};
    (void)following.update({true, "Zoom", true, false}, start);
    EXPECT_EQ(following.update({true, {}, true, true}, start + std::chrono::seconds(1)).wakeAt,
              start + std::chrono::seconds(6));

    CallFollowing off;
    EXPECT_EQ(off.update({false, "Zoom", true, false}, start).action, Switch::none);
    // Turned off in the middle of a call: nothing to undo afterwards.
    (void)following.update({true, "Zoom", true, true}, start + std::chrono::seconds(2));
    (void)following.update({false, "Zoom", true, true}, start + std::chrono::seconds(3));
    EXPECT_EQ(following.update({true, {}, true, true}, start + std::chrono::seconds(30)).action,
              Switch::none);
}

TEST(ModeInUse, FollowsWhereTheDefaultsAre) {
    using enum ModeInUse;
    for (const auto& [output, input, mode] :
         std::vector<std::tuple<std::optional<std::string_view>, std::optional<std::string_view>,
                                ModeInUse>>{
             {"Lumatix U", "Lumatix U", meeting},
             {"Headset (Lumatix U)", "Lumatix U Mic", meeting},
             {"Lumatix U", "Built-in Microphone", music},
             {"Lumatix U", std::nullopt, music},
             {"Built-in Speakers", "Lumatix U", none},
             {std::nullopt, "Lumatix U", none},
             {"lumatix u", "lumatix u", none},
         }) {
        EXPECT_EQ(modeInUse(output, input), mode)
            << output.value_or("-") << " / " << input.value_or("-");
    }
}

} // namespace
