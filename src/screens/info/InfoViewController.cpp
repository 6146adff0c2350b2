#include "screens/info/InfoViewController.h"

#include "ui/WindowSetup.h"

void InfoViewController::viewDidAppear() {
    if (Window* shown = window()) {
        shown->setBackgroundColor(Qt::white);
        shown->setDelegate(this);
        WindowSetup::setUpSecondaryWindow(*shown, LocalizedKey::InfoViewTitle);
        shown->setFrameOrigin(modalWindowOrigin);
    }
}
