#include "screens/settings/SettingViewController.h"

#include "ui/WindowSetup.h"
#include "update/UpdateFlowState.h"

void SettingViewController::viewDidAppear() {
    WindowSetup::showSecondaryWindow(*this, LocalizedKey::SettingViewTitle);
    // Opening Settings ends any update flow that was waiting for a window to close.
    pendingUpdateScreen = 0;
}
