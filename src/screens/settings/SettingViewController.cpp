#include "screens/settings/SettingViewController.h"

#include "ui/WindowSetup.h"
#include "update/UpdateFlowState.h"

void SettingViewController::viewDidAppear() {
    if (Window* shown = window()) {
        shown->setBackgroundColor(Qt::white);
        shown->setDelegate(this);
        WindowSetup::setUpSecondaryWindow(*shown, LocalizedKey::SettingViewTitle);
        shown->setFrameOrigin(modalWindowOrigin);
    }
    // Opening Settings ends any update flow that was waiting for a window to close.
    pendingUpdateScreen = 0;
}
