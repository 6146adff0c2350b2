#include "ui/WindowSetup.h"

#include "core/ProcessState.h"
#include "platform/Bundle.h"
#include "platform/Platform.h"
#include "ui/Localization.h"
#include "ui/Palette.h"
#include "ui/ViewController.h"
#include "ui/Window.h"

namespace {

// Our windows never resize: their screens are laid out for one size.
void commonSetUp(Window& window) {
    window.setStyleMask(window.styleMask() & ~Window::resizable);
    window.setWindowTitle(QString());
}

} // namespace

QString WindowSetup::mainWindowTitle() {
    return Localization::localizedFormat(
        LocalizedKey::appTitle,
        QString::fromStdString(
            platform::Platform::bundle().infoString("CFBundleVersion").value_or(std::string())));
}

std::unique_ptr<Window> WindowSetup::makeMainWindow() {
    auto window = std::make_unique<Window>();
    commonSetUp(*window);
    window->setReleasedWhenClosed(false);
    return window;
}

// The usual frame when the window is first placed, and when it comes back from another size
// (the launch step's update window); otherwise it stays where the user put it.
void WindowSetup::setUpMainWindow(Window& window) {
    commonSetUp(window);
    window.setTitleBar(mainWindowTitle(), Qt::white, colorNavy());
    if (!window.hasBeenShown() || window.frame().size != mainWindowFrame().size) {
        window.setFrame(mainWindowFrame());
    }
}

void WindowSetup::setUpSecondaryWindow(Window& window, LocalizedKey titleKey) {
    commonSetUp(window);
    window.setTitleBar(Localization::localizedString(titleKey), colorTitleGrey(), Qt::white);
}

void WindowSetup::showSecondaryWindow(ViewController& controller, LocalizedKey titleKey) {
    if (Window* shown = controller.window()) {
        shown->setBackgroundColor(Qt::white);
        shown->setDelegate(&controller);
        setUpSecondaryWindow(*shown, titleKey);
        shown->setFrameOrigin(modalWindowOrigin);
    }
}

void WindowSetup::presentSecondaryWindow(ViewController* presenter,
                                         std::unique_ptr<ViewController> controller) {
    controller->setPreferredContentSize(secondaryContentSize());
    if (const Window* window = presenter->window()) {
        const Point origin = window->frame().origin;
        modalWindowOrigin = {origin.x + secondaryOffset().x, origin.y + secondaryOffset().y};
    }
    presenter->presentViewControllerAsModalWindow(std::move(controller));
}
