#include "core/ProcessState.h"

#include "core/SpeakerDevice.h"

void resetProcessState() {
    mainScreenState = 0;
    pendingUpdateScreen = UpdateScreen::none;
    isForcedUpdate = false;
    isGlobalRegion = true;
    modalWindowOrigin = {0, 0};
    mainWindowNumber = 0;
    speakerDevice() = {};
}
