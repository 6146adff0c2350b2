#include "screens/settings/SettingViewController.h"

#include "ui/WindowSetup.h"

void SettingViewController::viewDidAppear() {
    if (Window* shown = window()) {
        shown->setBackgroundColor(Qt::white);
        shown->setDelegate(this);
        WindowSetup::setUpSecondaryWindow(*shown, LocalizedKey::SettingViewTitle);
        shown->setFrameOrigin(modalWindowOrigin);
    }
}
