#include "screens/settings/SettingViewController.h"

#include "core/ProcessState.h"
#include "ui/WindowSetup.h"

void SettingViewController::viewDidAppear() {
    WindowSetup::showSecondaryWindow(*this, LocalizedKey::SettingViewTitle);
    // Opening Settings ends any update flow that was waiting for a window to close.
    pendingUpdateScreen = UpdateScreen::none;
}
