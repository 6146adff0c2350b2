#include "app/CallFollower.h"

#include "audio/AppManger.h"
#include "audio/Audio.h"
#include "audio/CallStreams.h"
#include "audio/ModeInUse.h"
#include "core/FollowCalls.h"
#include "core/SpeakerDevice.h"
#include "platform/AudioHardware.h"
#include "platform/DesktopNotifications.h"
#include "platform/Log.h"
#include "ui/Localization.h"

#include <chrono>

CallFollower::CallFollower(platform::AudioHardware& hardware,
                           platform::DesktopNotifications& notices, QObject* parent)
    : QObject(parent), hardware_(hardware), notices_(notices) {
    graceEnd_.setSingleShot(true);
    connect(&graceEnd_, &QTimer::timeout, this, &CallFollower::update);
    connect(&hardware_, &platform::AudioHardware::devicesChanged, this, &CallFollower::update);
}

void CallFollower::update() {
    if (switching_) {
        return;
    }
    const CallFollowing::Situation now{
        .following = FollowCalls::isOn(),
        .call = CallStreams::firstCall(hardware_.recordingStreams()),
        .speakerphoneConnected = speakerDevice().isPresent(),
        .meetingModeInUse = Audio::modeInUse() == ModeInUse::meeting,
    };
    act(following_.update(now, CallFollowing::Clock::now()));
}

void CallFollower::userChoseMode() {
    // The user's switch abandons one of ours still waiting: its answer never comes.
    switching_ = false;
    following_.forgetOwnSwitch();
    graceEnd_.stop();
}

void CallFollower::act(const CallFollowing::Step& step) {
    graceEnd_.stop();
    if (step.wakeAt) {
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*step.wakeAt -
                                                                       CallFollowing::Clock::now());
        graceEnd_.start(std::max(wait, std::chrono::milliseconds(0)));
    }
    switch (step.action) {
    case CallFollowing::Step::Switch::toMeeting:
        switchForCall(step.application);
        break;
    case CallFollowing::Step::Switch::toMusic:
        switchBack();
        break;
    case CallFollowing::Step::Switch::none:
        break;
    }
}

// As a click on Meeting would, without the click's usage event.
void CallFollower::switchForCall(const std::string& application) {
    platform::Log::line("following calls: " + application + " uses a microphone; Meeting mode");
    switching_ = true;
    AppManger::shared().switchToMeetingMode([this, application](AppManger::ModeSwitch result) {
        switching_ = false;
        if (result != AppManger::ModeSwitch::switched) {
            platform::Log::line("following calls: Meeting mode not switched on");
            following_.forgetOwnSwitch();
            return;
        }
        notices_.notify(Localization::localizedFormat(LocalizedKey::FollowCallsMeetingNotice,
                                                      QString::fromStdString(application))
                            .toStdString(),
                        {});
    });
}

void CallFollower::switchBack() {
    platform::Log::line("following calls: the call ended; Music mode");
    switching_ = true;
    AppManger::shared().switchToMusicMode([this](AppManger::ModeSwitch result) {
        switching_ = false;
        if (result != AppManger::ModeSwitch::switched) {
            platform::Log::line("following calls: Music mode not switched back on");
            return;
        }
        notices_.notify(
            Localization::localizedString(LocalizedKey::FollowCallsMusicNotice).toStdString(), {});
    });
}
