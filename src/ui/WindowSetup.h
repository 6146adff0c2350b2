#pragma once

#include "core/Geometry.h"
#include "ui/LocalizedKey.h"

#include <QString>
#include <memory>

class ViewController;
class Window;

// Everything about how windows look and where they go: the main window from its making to each
// screen that appears in it, and the Settings and Information windows over it.
class WindowSetup {
public:
    static constexpr Rect mainWindowFrame() { return {200, 300, 1200, 662}; }
    static constexpr Size secondaryContentSize() { return {680, 400}; }
    // Centres a 680 x 400 window over the 1200 x 662 main window.
    static constexpr Point secondaryOffset() { return {260, 131}; }

    // "appTitle" with the build version.
    [[nodiscard]] static QString mainWindowTitle();

    // The one main window: titled, closable and miniaturizable but fixed in size, and only
    // hidden when closed, so that a reopen shows it again.
    [[nodiscard]] static std::unique_ptr<Window> makeMainWindow();
    // Navy bar with the application title, fixed size, at its usual place; run by the launch
    // and by every main-window screen as it appears.
    static void setUpMainWindow(Window& window);
    // White bar with the window's own title; placement is the caller's.
    static void setUpSecondaryWindow(Window& window, LocalizedKey titleKey);

    // What Settings and Information do when they come on screen: white, their own title,
    // at modalWindowOrigin, with the controller as the window's delegate.
    static void showSecondaryWindow(ViewController& controller, LocalizedKey titleKey);

    // Presents Settings or Information over the presenter's window at the centre of it.
    static void presentSecondaryWindow(ViewController* presenter,
                                       std::unique_ptr<ViewController> controller);
};
