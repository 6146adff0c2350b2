#include "app/CallFollower.h"

#include "audio/AppManger.h"
#include "audio/Audio.h"
#include "audio/CallStreams.h"
#include "audio/ModeInUse.h"
#include "core/FollowCalls.h"
#include "core/SpeakerDevice.h"
#include "core/StatusCheckInterval.h"
#include "platform/AudioHardware.h"
#include "platform/DesktopNotifications.h"
#include "platform/Log.h"
#include "platform/Platform.h"
#include "ui/Localization.h"

#include <chrono>

CallFollower::CallFollower(QObject* parent) : QObject(parent) {
    graceEnd_.setSingleShot(true);
    connect(&graceEnd_, &QTimer::timeout, this, &CallFollower::update);
    // The setting may be turned on in Settings while a call goes on.
    settingCheck_.start(statusCheckInterval);
    connect(&settingCheck_, &QTimer::timeout, this, &CallFollower::update);
    connect(&platform::Platform::audioHardware(), &platform::AudioHardware::devicesChanged, this,
            &CallFollower::update);
}

void CallFollower::update() {
    noticeOtherSwitches();
    if (switching_) {
        return;
    }
    const CallFollowing::Situation now{
        .following = FollowCalls::isOn(),
        .call = CallStreams::firstCall(platform::Platform::audioHardware().recordingStreams()),
        .speakerphoneConnected = speakerDevice().isPresent(),
        .meetingModeInUse = Audio::getModeInUse() == ModeInUse::meeting,
    };
    act(following_.update(now, CallFollowing::Clock::now()));
}

// A mode chosen since our Meeting switch (a click, the tray): the call's end leaves it be.
void CallFollower::noticeOtherSwitches() {
    if (!ownSwitch_ || AppManger::shared().latestSwitch() == *ownSwitch_) {
        return;
    }
    ownSwitch_.reset();
    // The later switch abandons ours if it still waited: its answer never comes.
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
    ownSwitch_ = AppManger::shared().latestSwitch() + 1;
    AppManger::shared().switchToMeetingMode([this, application](AppManger::ModeSwitch result) {
        switching_ = false;
        if (result != AppManger::ModeSwitch::switched) {
            platform::Log::line("following calls: Meeting mode not switched on");
            following_.forgetOwnSwitch();
            ownSwitch_.reset();
            return;
        }
        platform::Platform::desktopNotifications().notify(
            Localization::localizedFormat(LocalizedKey::FollowCallsMeetingNotice,
                                          QString::fromStdString(application))
                .toStdString(),
            {});
    });
}

void CallFollower::switchBack() {
    platform::Log::line("following calls: the call ended; Music mode");
    ownSwitch_.reset();
    switching_ = true;
    AppManger::shared().switchToMusicMode([this](AppManger::ModeSwitch result) {
        switching_ = false;
        if (result != AppManger::ModeSwitch::switched) {
            platform::Log::line("following calls: Music mode not switched back on");
            return;
        }
        platform::Platform::desktopNotifications().notify(
            Localization::localizedString(LocalizedKey::FollowCallsMusicNotice).toStdString(), {});
    });
}
