#include "audio/CallFollowing.h"

CallFollowing::Step CallFollowing::update(const Situation& now, Clock::time_point time) {
    if (!now.following) {
        inCall_ = false;
        forgetOwnSwitch();
        return {};
    }
    if (!now.speakerphoneConnected) {
        // Nothing to switch back on; a speakerphone that returns starts afresh.
        forgetOwnSwitch();
    }
    if (switchedToMeeting_) {
        // Our Meeting mode, once seen in place (servers may tell of new defaults late), taken
        // away by another hand (the command line, the system's settings): that choice stands.
        if (now.meetingModeInUse) {
            meetingSeen_ = true;
        } else if (meetingSeen_) {
            forgetOwnSwitch();
        }
    }
    if (now.call) {
        graceEnds_.reset();
        const bool started = !inCall_;
        inCall_ = true;
        if (started && now.speakerphoneConnected && !now.meetingModeInUse) {
            switchedToMeeting_ = true;
            return {Step::Switch::toMeeting, *now.call, std::nullopt};
        }
        return {};
    }
    if (inCall_) {
        inCall_ = false;
        if (switchedToMeeting_) {
            graceEnds_ = time + grace;
        }
    }
    if (!graceEnds_) {
        return {};
    }
    if (time < *graceEnds_) {
        return {Step::Switch::none, {}, graceEnds_};
    }
    forgetOwnSwitch();
    return {Step::Switch::toMusic, {}, std::nullopt};
}

void CallFollowing::forgetOwnSwitch() {
    switchedToMeeting_ = false;
    meetingSeen_ = false;
    graceEnds_.reset();
}
