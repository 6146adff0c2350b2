#include "core/ProcessState.h"

#include "core/ProcessStateSignals.h"
#include "core/SpeakerDevice.h"

void setMainScreenState(MainScreen state) {
    if (state == mainScreenState) {
        return;
    }
    mainScreenState = state;
    Q_EMIT ProcessStateSignals::shared().mainScreenStateChanged(state);
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
