#pragma once

#include "app/LaunchFlow.h"
#include "app/MenuActions.h"
#include "app/ScreenNavigator.h"

#include <QObject>
#include <memory>

class MenuHandler;
class QuitShortcut;
class StatusItem;
class ViewController;
class Window;

// The application's lifecycle: the launch flow, the reopen and quit requests, and what the
// status-bar menu's items do.
class AppDelegate : public QObject, public MenuActions {
    Q_OBJECT

public:
    explicit AppDelegate(ScreenNavigator::Services services);
    ~AppDelegate() override;

    void applicationDidFinishLaunching();
    // Another launch of the application asked to come forward.
    bool applicationShouldHandleReopen(bool hasVisibleWindows);
    void applicationWillTerminate();
    [[nodiscard]] bool applicationSupportsSecureRestorableState() const { return true; }

    void menuItemOpenBTClicked() override;
    void menuItemMeetingModeClicked() override;
    void menuItemMusicModeClicked() override;
    void menuItemOpenAppClicked() override;
    // Settings and Information from the tray: the main window comes forward now, and 0.1 s
    // later openSettingFromMenu or openInfoFromMenu posts "openSetting" or "openInfo". The Mode
    // screen or the pairing guide in the main window hears it and reports the request, and the
    // navigator presents the window over it.
    void menuItemSettingClicked() override;
    void menuItemInfoClicked() override;
    void quitClicked() override;

    void handleMicrophonePermission(bool granted);
    void bringMainWindowToFront();
    void openSettingFromMenu();
    void openInfoFromMenu();

    // The main window, created on first use.
    Window& window();
    [[nodiscard]] MenuHandler* menu() const { return menu_.get(); }

private:
    void setupMainWindow();
    void setupStatusItem();
    void showLaunchScreen(Screen screen);
    // Whether the window over the main one stays and comes forward instead of `asked` opening.
    bool bringsForwardOverMain(const QMetaObject& asked);
    [[nodiscard]] ViewController* mainContent() const;

    std::function<void()> quit_;
    ScreenNavigator navigator_;
    std::unique_ptr<Window> window_;
    // A menu has no QObject parent to free it; the delegate owns it.
    std::unique_ptr<MenuHandler> menu_;
    StatusItem* statusItem_ = nullptr;
    std::unique_ptr<QuitShortcut> quitShortcut_;
};
