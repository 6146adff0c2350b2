#include "screens/info/InfoViewController.h"

#include "ui/WindowSetup.h"

void InfoViewController::viewDidAppear() {
    WindowSetup::showSecondaryWindow(*this, LocalizedKey::InfoViewTitle);
}
