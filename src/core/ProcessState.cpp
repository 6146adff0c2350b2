#include "core/ProcessState.h"

#include "core/SpeakerDevice.h"

#include <QObject>
#include <QPointer>
#include <utility>
#include <vector>

namespace {

struct Follower {
    QPointer<QObject> context;
    std::function<void()> changed;
};

std::vector<Follower>& followers() {
    static std::vector<Follower> list;
    return list;
}

} // namespace

void setMainScreenState(MainScreen state) {
    if (state == mainScreenState) {
        return;
    }
    mainScreenState = state;
    std::erase_if(followers(), [](const Follower& each) { return each.context.isNull(); });
    // A copy: a follower may start following from inside its call.
    for (const Follower& each : std::vector(followers())) {
        if (!each.context.isNull()) {
            each.changed();
        }
    }
}

void followMainScreenState(QObject* context, std::function<void()> changed) {
    followers().push_back({context, std::move(changed)});
}

void resetProcessState() {
    mainScreenState = MainScreen::firstRun;
    pendingUpdateScreen = UpdateScreen::none;
    isForcedUpdate = false;
    isGlobalRegion = true;
    modalWindowOrigin = {0, 0};
    mainWindowNumber = 0;
    speakerDevice() = {};
}
