#include "app/AppDelegate.h"

#include "analytics/Analytics.h"
#include "app/MenuHandler.h"
#include "app/QuitShortcut.h"
#include "app/StatusItem.h"
#include "app/UpdateFlow.h"
#include "audio/AppManger.h"
#include "audio/Audio.h"
#include "core/LogLines.h"
#include "core/NotificationNames.h"
#include "core/PersistedSettings.h"
#include "core/ProcessState.h"
#include "platform/DesktopSettings.h"
#include "platform/Log.h"
#include "platform/LoginItem.h"
#include "platform/MainQueue.h"
#include "platform/MicrophoneAccess.h"
#include "platform/NotificationCenter.h"
#include "platform/Platform.h"
#include "screens/info/InfoViewController.h"
#include "screens/settings/SettingViewController.h"
#include "screens/update/DownloadOTAViewController.h"
#include "ui/ViewController.h"
#include "ui/Window.h"
#include "ui/WindowSetup.h"

#include <QPointer>
#include <QTimer>

namespace {

constexpr std::chrono::milliseconds menuHandOffDelay{100};

} // namespace

AppDelegate::AppDelegate(ScreenNavigator::Services services)
    : quit_(services.quit), navigator_(std::move(services)) {}
// The tray icon goes before the menu it shows.
AppDelegate::~AppDelegate() {
    delete statusItem_;
}

Window& AppDelegate::window() {
    if (!window_) {
        window_ = WindowSetup::makeMainWindow();
    }
    return *window_;
}

void AppDelegate::applicationDidFinishLaunching() {
    // A stalled sound server delays the first window by this much at most.
    if (!Audio::waitUntilSynchronized(std::chrono::milliseconds(1000))) {
        platform::Log::line("sound server not answering; starting without its devices");
    }
    Audio::refreshSpeakerDevice();
    setupMainWindow();
    PersistedSettings::checkUserDefaultPlist();
    if (LaunchFlow::needsLicenceScreen(PersistedSettings::getEULAStatus())) {
        showLaunchScreen(Screen::eula);
    } else {
        // The answer comes on another thread; the window is only touched on the main one.
        platform::Platform::microphoneAccess().requestAccess([self = QPointer(this)](bool granted) {
            platform::MainQueue::async([self, granted] {
                if (!self.isNull()) {
                    self->handleMicrophonePermission(granted);
                }
            });
        });
    }
    setupStatusItem();
}

void AppDelegate::setupStatusItem() {
    if (statusItem_ != nullptr) {
        return;
    }
    menu_ = std::make_unique<MenuHandler>(QStringLiteral("MenuHandler"), this);
    statusItem_ = new StatusItem(menu_.get(), this);
}

void AppDelegate::applicationWillTerminate() {
    AppManger::shared().stopCheckBTStatusTimer();
}

bool AppDelegate::applicationShouldHandleReopen(bool /*hasVisibleWindows*/) {
    bringMainWindowToFront();
    return true;
}

void AppDelegate::setupMainWindow() {
    mainWindowNumber = window().windowNumber();
    // Quit is otherwise only in the tray menu, which some desktops do not show.
    if (!quitShortcut_) {
        quitShortcut_ = std::make_unique<QuitShortcut>([this] { quitClicked(); });
    }
}

void AppDelegate::handleMicrophonePermission(bool granted) {
    platform::Log::line(granted ? log_lines::microphoneGranted : log_lines::microphoneRefused);
    const auto status = granted ? platform::Platform::loginItem().status()
                                : platform::LoginItemStatus::notRegistered;
    showLaunchScreen(LaunchFlow::screenAfterMicrophoneAnswer(granted, status));
}

void AppDelegate::showLaunchScreen(Screen screen) {
    platform::Log::line(std::string(log_lines::launchScreenPrefix) +
                        std::string(LaunchFlow::screenName(screen)));
    window().setContentViewController(navigator_.make(screen));
    WindowSetup::setUpMainWindow(window());
    window().makeKeyAndOrderFront();
}

void AppDelegate::bringMainWindowToFront() {
    if (Window* main = Window::withNumber(mainWindowNumber)) {
        main->makeKeyAndOrderFront();
    }
}

void AppDelegate::menuItemOpenBTClicked() {
    platform::Platform::desktopSettings().openBluetoothSettings();
}

void AppDelegate::menuItemMeetingModeClicked() {
    Analytics::sendModeEvent("meeting");
    AppManger::shared().switchToMeetingMode();
}

void AppDelegate::menuItemMusicModeClicked() {
    Analytics::sendModeEvent("music");
    AppManger::shared().switchToMusicMode();
}

void AppDelegate::menuItemOpenAppClicked() {
    platform::Log::line(log_lines::openAppClicked);
    QTimer::singleShot(0, this, &AppDelegate::bringMainWindowToFront);
}

// The window comes forward first; opening over it waits a moment so that it is there.
void AppDelegate::menuItemSettingClicked() {
    QTimer::singleShot(0, this, &AppDelegate::bringMainWindowToFront);
    QTimer::singleShot(menuHandOffDelay, this, &AppDelegate::openSettingFromMenu);
}

void AppDelegate::menuItemInfoClicked() {
    QTimer::singleShot(0, this, &AppDelegate::bringMainWindowToFront);
    QTimer::singleShot(menuHandOffDelay, this, &AppDelegate::openInfoFromMenu);
}

void AppDelegate::quitClicked() {
    quit_();
}

ViewController* AppDelegate::mainContent() const {
    return window_ ? window_->contentViewController() : nullptr;
}

void AppDelegate::openSettingFromMenu() {
    if (!bringsForwardOverMain(SettingViewController::staticMetaObject)) {
        platform::NotificationCenter::defaultCenter().post(notification_names::openSetting);
    }
}

void AppDelegate::openInfoFromMenu() {
    if (!bringsForwardOverMain(InfoViewController::staticMetaObject)) {
        platform::NotificationCenter::defaultCenter().post(notification_names::openInfo);
    }
}

// The window asked for comes forward if it is open already, and so does a running download,
// which must not be cancelled behind the user's back. Any other window over the main one
// closes, ending the update flow so that it does not come back.
bool AppDelegate::bringsForwardOverMain(const QMetaObject& asked) {
    ViewController* content = mainContent();
    const auto presented =
        content != nullptr ? content->presentedViewControllers() : std::vector<ViewController*>{};
    if (presented.empty()) {
        return false;
    }
    ViewController* front = presented.front();
    if (front->metaObject()->inherits(&asked) ||
        qobject_cast<DownloadOTAViewController*>(front) != nullptr) {
        if (Window* window = front->window()) {
            window->makeKeyAndOrderFront();
        }
        return true;
    }
    UpdateFlow::end();
    content->dismissViewController(front);
    return false;
}
