#include "app/ScreenNavigator.h"

#include "app/LaunchFlow.h"
#include "app/UpdateFlow.h"
#include "audio/AppManger.h"
#include "core/LogLines.h"
#include "core/PersistedSettings.h"
#include "core/SpeakerDevice.h"
#include "net/HttpClient.h"
#include "platform/Log.h"
#include "platform/LoginItem.h"
#include "platform/MainQueue.h"
#include "platform/Platform.h"
#include "platform/Reachability.h"
#include "region/AppUtility.h"
#include "screens/info/InfoViewController.h"
#include "screens/main/BluetoothViewController.h"
#include "screens/main/ModeViewController.h"
#include "screens/onboarding/EULAViewController.h"
#include "screens/onboarding/GDPRViewController.h"
#include "screens/onboarding/LoginItemViewController.h"
#include "screens/onboarding/MicPermissionViewController.h"
#include "screens/settings/SettingViewController.h"
#include "screens/update/CheckOTAViewController.h"
#include "screens/update/DownloadOTAViewController.h"
#include "screens/update/NoNeedOTAViewController.h"
#include "screens/update/OTAViewController.h"
#include "ui/ViewController.h"
#include "ui/Window.h"
#include "ui/WindowSetup.h"
#include "update/NetworkManger.h"

#include <QCoreApplication>
#include <QPointer>
#include <string>

ScreenNavigator::Services ScreenNavigator::Services::live() {
    return {
        .updateClient = &NetworkManger::shared(),
        .requestRegion = [] { AppUtility::requestRegion(); },
        .makeReachability = [] { return std::make_unique<platform::Reachability>(); },
        .quit = [] { QCoreApplication::quit(); },
        .downloadClient = &net::HttpClient::shared(),
    };
}

ScreenNavigator::ScreenNavigator(Services services) : services_(std::move(services)) {}

ScreenNavigator::~ScreenNavigator() = default;

Screen ScreenNavigator::screenAfterUpdateStep(Consent consent, bool speakerphonePresent) {
    if (consent == Consent::unanswered) {
        return Screen::consent;
    }
    return speakerphonePresent ? Screen::mode : Screen::bluetoothGuide;
}

std::optional<Screen> ScreenNavigator::replacementFor(ScreenEvent event) {
    switch (event) {
    case ScreenEvent::speakerphoneFound:
        return Screen::mode;
    case ScreenEvent::speakerphoneLost:
        return Screen::bluetoothGuide;
    case ScreenEvent::newVersionFound:
        return Screen::newVersion;
    case ScreenEvent::downloadRequested:
        return Screen::download;
    case ScreenEvent::microphoneRefused:
        return Screen::microphonePermission;
    case ScreenEvent::loginItemStepOver:
        return Screen::updateCheck;
    default:
        return std::nullopt;
    }
}

std::optional<Screen> ScreenNavigator::updateWindowFor(UpdateScreen pending) {
    switch (pending) {
    case UpdateScreen::checking:
        return Screen::updateCheck;
    case UpdateScreen::newVersion:
        return Screen::newVersion;
    case UpdateScreen::downloading:
        return Screen::download;
    case UpdateScreen::upToDate:
        return Screen::upToDate;
    case UpdateScreen::none:
        break;
    }
    return std::nullopt;
}

std::unique_ptr<ViewController> ScreenNavigator::make(Screen screen) {
    std::unique_ptr<ViewController> made;
    switch (screen) {
    case Screen::eula:
        made = std::make_unique<EULAViewController>();
        break;
    case Screen::loginItem:
        made = std::make_unique<LoginItemViewController>();
        break;
    case Screen::microphonePermission:
        made = std::make_unique<MicPermissionViewController>();
        break;
    case Screen::updateCheck:
        made = std::make_unique<CheckOTAViewController>(CheckOTAViewController::Services{
            .updateClient = services_.updateClient,
            .requestRegion = services_.requestRegion,
            .makeReachability = services_.makeReachability,
        });
        break;
    case Screen::newVersion:
        made = std::make_unique<OTAViewController>();
        break;
    case Screen::download:
        made = std::make_unique<DownloadOTAViewController>(DownloadOTAViewController::Services{
            .client = services_.downloadClient,
            .link = services_.updateClient != nullptr ? services_.updateClient->newVersionUrl
                                                      : std::string(),
            .versionName = services_.updateClient != nullptr
                               ? services_.updateClient->newVersionName
                               : std::string(),
            .sha256 = services_.updateClient != nullptr ? services_.updateClient->newVersionSha256
                                                        : std::string(),
            .watchdogInterval = services_.downloadWatchdog,
        });
        break;
    case Screen::upToDate:
        made = std::make_unique<NoNeedOTAViewController>();
        break;
    case Screen::consent:
        made = std::make_unique<GDPRViewController>();
        break;
    case Screen::mode:
        made = std::make_unique<ModeViewController>();
        break;
    case Screen::bluetoothGuide:
        made = std::make_unique<BluetoothViewController>();
        break;
    case Screen::settings:
        made = std::make_unique<SettingViewController>();
        break;
    case Screen::info:
        made = std::make_unique<InfoViewController>();
        break;
    }
    ViewController* raw = made.get();
    connect(raw, &ViewController::reported, this,
            [this, raw](ScreenEvent event) { handle(raw, event); });
    return made;
}

void ScreenNavigator::showScreen(ViewController* current, std::unique_ptr<ViewController> next) {
    // std::function needs a copyable callable.
    auto pending = std::make_shared<std::unique_ptr<ViewController>>(std::move(next));
    platform::MainQueue::async([current = QPointer<ViewController>(current), pending] {
        if (current.isNull()) {
            return;
        }
        Window* window = current->window();
        if (window == nullptr) {
            return;
        }
        // What the old screen presented stays open, now over the new one.
        (*pending)->takeOverPresentedFrom(current.data());
        // Our windows do not resize to their content, so the frame stays as it was; the new
        // screen may still place the window when it appears.
        window->setContentViewController(std::move(*pending));
    });
}

bool ScreenNavigator::showsInMainWindow(const ViewController* screen) {
    const Window* window = screen->window();
    // Presented windows belong to the main window; the main window belongs to nobody.
    return screen->presentingViewController() == nullptr && window != nullptr &&
           window->parentWidget() == nullptr;
}

bool ScreenNavigator::decidesMainScreen(ScreenEvent event) {
    switch (event) {
    case ScreenEvent::microphoneGranted:
    case ScreenEvent::checkEndedWithoutOffer:
    case ScreenEvent::offerSkipped:
    case ScreenEvent::consentAnswered:
        return true;
    default:
        return replacementFor(event).has_value();
    }
}

void ScreenNavigator::handle(ViewController* from, ScreenEvent event) {
    if (UpdateFlow::advance(event)) {
        // A step of the update windows over a main screen: the presenter shows the next one.
        if (UpdateFlow::closesReporter(event)) {
            from->dismiss();
        }
        return;
    }
    if (decidesMainScreen(event) && !showsInMainWindow(from)) {
        // A window presented over the main one ends there; only the main window's own screen
        // changes the main screen.
        platform::Log::line(std::string(log_lines::presentedStepEnded));
        if (from->presentingViewController() != nullptr) {
            from->dismiss();
        } else if (Window* window = from->window()) {
            window->close();
        }
        return;
    }
    if (const auto next = replacementFor(event)) {
        replace(from, *next);
        return;
    }
    switch (event) {
    case ScreenEvent::microphoneGranted:
        replace(from, LaunchFlow::screenAfterMicrophoneAnswer(
                          true, platform::Platform::loginItem().status()));
        break;
    case ScreenEvent::checkEndedWithoutOffer:
    case ScreenEvent::offerSkipped:
    case ScreenEvent::consentAnswered:
        leaveUpdateFlow(from);
        break;
    case ScreenEvent::settingsRequested:
        WindowSetup::presentSecondaryWindow(from, make(Screen::settings));
        break;
    case ScreenEvent::infoRequested:
        WindowSetup::presentSecondaryWindow(from, make(Screen::info));
        break;
    case ScreenEvent::pendingUpdateWindow:
        presentPendingUpdateWindow(from);
        break;
    case ScreenEvent::quitRequested:
        services_.quit();
        break;
    default:
        break;
    }
}

void ScreenNavigator::replace(ViewController* from, Screen screen) {
    auto next = make(screen);
    if (!next) {
        return;
    }
    showScreen(from, std::move(next));
    from->removeFromParentViewController();
}

void ScreenNavigator::leaveUpdateFlow(ViewController* from) {
    const auto consent = PersistedSettings::getCheckPrivacyStatus();
    if (consent != Consent::unanswered) {
        // Refreshes the speakerphone record before the choice below reads it.
        AppManger::shared().startCheckBTStatusTimer();
    }
    replace(from, screenAfterUpdateStep(consent, speakerDevice().isPresent()));
}

void ScreenNavigator::presentPendingUpdateWindow(ViewController* presenter) {
    const auto screen = updateWindowFor(pendingUpdateScreen);
    auto next = screen ? make(*screen) : nullptr;
    if (!next) {
        // Nothing to show: leave the update flow rather than wait for a window that never comes.
        UpdateFlow::end();
        return;
    }
    next->setPreferredContentSize(UpdateScreenViewController::launchStepFrame.size);
    presenter->presentViewControllerAsModalWindow(std::move(next));
}
