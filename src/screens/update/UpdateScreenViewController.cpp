#include "screens/update/UpdateScreenViewController.h"

#include "core/LogLines.h"
#include "core/ProcessState.h"
#include "platform/Log.h"
#include "platform/NotificationCenter.h"
#include "ui/Accessibility.h"
#include "ui/Button.h"
#include "ui/ButtonStyle.h"
#include "ui/ImageLibrary.h"
#include "ui/Localization.h"
#include "ui/Palette.h"
#include "ui/TextView.h"
#include "ui/Window.h"
#include "ui/WindowSetup.h"

#include <QLabel>
#include <QWidget>
#include <string>

UpdateScreenViewController::UpdateScreenViewController(LocalizedKey titleKey, Placement placement)
    : titleKey_(titleKey), placement_(placement) {}

UpdateScreenViewController::~UpdateScreenViewController() {
    platform::NotificationCenter::defaultCenter().removeObserver(this);
}

void UpdateScreenViewController::viewDidAppear() {
    Window* shown = window();
    if (shown == nullptr) {
        return;
    }
    shown->setBackgroundColor(Qt::white);
    shown->setDelegate(this);
    const unsigned mask = shown->styleMask();
    tookMiniaturizable_ = (mask & Window::miniaturizable) != 0;
    shown->setStyleMask(mask & ~Window::resizable & ~Window::miniaturizable);
    WindowSetup::setUpSecondaryWindow(*shown, titleKey_);
    if (placement_ == Placement::alwaysModal || pendingUpdateScreen != UpdateScreen::none) {
        shown->setFrameOrigin(modalWindowOrigin);
    } else {
        shown->setFrame(launchStepFrame);
    }
}

void UpdateScreenViewController::viewDidDisappear() {
    platform::NotificationCenter::defaultCenter().removeObserver(this);
    if (Window* shown = window(); shown != nullptr && tookMiniaturizable_) {
        shown->setStyleMask(shown->styleMask() | Window::miniaturizable);
    }
    tookMiniaturizable_ = false;
}

bool UpdateScreenViewController::windowShouldClose(Window* /*window*/) {
    report(ScreenEvent::updateWindowClosed);
    return true;
}

QLabel* UpdateScreenViewController::makePicture(QWidget* parent, ImageAsset asset) {
    QLabel* picture = ImageLibrary::pictureLabel(asset, {pictureSide, pictureSide}, parent);
    Accessibility::hideDecoration(picture);
    return picture;
}

TextView* UpdateScreenViewController::makeTitleText(QWidget* parent, LocalizedKey key) {
    auto* text = new TextView(parent);
    text->setPixelFont(titleFontSize);
    text->setText(Localization::localizedString(key));
    text->setTextColor(colorNavy());
    text->setAlignment(Qt::AlignHCenter);
    return text;
}

Button* UpdateScreenViewController::makeButton(QWidget* parent, LocalizedKey key,
                                               ButtonStyle::Emphasis emphasis) {
    auto* button = new Button(Localization::localizedString(key), parent);
    if (emphasis == ButtonStyle::primary) {
        ButtonStyle::stylePrimarySmall(button);
    } else {
        ButtonStyle::styleSecondarySmall(button);
    }
    return button;
}

void UpdateScreenViewController::showNextScreen(ScreenEvent event) {
    if (leaving_) {
        return;
    }
    leaving_ = true;
    report(event);
}
