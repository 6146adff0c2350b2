#include "core/FollowCalls.h"

#include "platform/Platform.h"
#include "platform/UserState.h"

#include <string>

namespace {

const std::string followCallsKey = "follow-calls";

} // namespace

bool FollowCalls::isOn() {
    return platform::Platform::userState().value(followCallsKey) == "on";
}

bool FollowCalls::setOn(bool on) {
    return platform::Platform::userState().setValue(followCallsKey, on ? "on" : "off");
}
