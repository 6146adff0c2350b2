// Renders every window and screen built so far, in each language, to PNG files for review,
// and the English set once more at twice the scale (HiDPI) into the folder's "scale2":
//   lumatix_gallery [output folder] [--scale=2]
#include "app/MenuHandler.h"
#include "app/ScreenNavigator.h"
#include "audio/Audio.h"
#include "core/ProcessState.h"
#include "platform/Bundle.h"
#include "platform/Platform.h"
#include "screens/info/InfoViewController.h"
#include "screens/onboarding/AgreementViewController.h"
#include "screens/settings/SettingViewController.h"
#include "support/PlatformDoubles.h"
#include "ui/Button.h"
#include "ui/Localization.h"
#include "ui/TextView.h"
#include "ui/ToastViewController.h"
#include "ui/WindowSetup.h"
#include "update/NetworkManger.h"

#include <QTest>
#include <QtWidgets>
#include <iostream>

namespace {

QDir folder;
QString language;

void save(QWidget& widget, const QString& name) {
    QCoreApplication::processEvents();
    const QString path = folder.filePath(name + QLatin1Char('_') + language + ".png");
    std::cout << (widget.grab().save(path) ? "" : "could not write ") << path.toStdString() << '\n';
}

// Settings and Information are presented over the set-up main window, and so is an update
// screen while one is pending; other screens are the main window's content.
void renderWindowsMenusButtonsAndToast(MemoryAudioHardware& audio, ScreenNavigator& navigator) {
    using U = UpdateScreen;
    const char* const speaker = "Lumatix U";
    // Name, screen (none: the main window alone), pending update window, forced, speakerphone.
    const std::tuple<const char*, std::optional<Screen>, U, bool, const char*> pictures[] = {
        {"main_window", std::nullopt, U::none, false, speaker},
        {"settings_window", Screen::settings, U::none, false, speaker},
        {"info_window", Screen::info, U::none, false, speaker},
        {"update_checking", Screen::updateCheck, U::checking, false, speaker},
        {"update_new_version", Screen::newVersion, U::newVersion, false, speaker},
        {"update_new_version_forced", Screen::newVersion, U::newVersion, true, speaker},
        {"update_up_to_date", Screen::upToDate, U::upToDate, false, speaker},
        // Without a client the download ends at once; the window still shows as it opened.
        {"update_download", Screen::download, U::downloading, false, speaker},
        {"update_checking_launch_step", Screen::updateCheck, U::none, false, speaker},
        {"mode_screen", Screen::mode, U::none, false, speaker},
        {"mode_screen_long_name", Screen::mode, U::none, false,
         "Lumatix U Conference Speakerphone Pro 2 (Office)"},
        {"bluetooth_guide", Screen::bluetoothGuide, U::none, false, nullptr},
        {"login_item_screen", Screen::loginItem, U::none, false, nullptr},
        {"microphone_screen", Screen::microphonePermission, U::none, false, nullptr},
    };
    for (const auto& [name, screen, pending, forced, outputName] : pictures) {
        audio.setOutputs(outputName ? std::vector<platform::AudioDeviceInfo>{{7, outputName}}
                                    : std::vector<platform::AudioDeviceInfo>{});
        Audio::refreshSpeakerDevice();
        pendingUpdateScreen = pending;
        isForcedUpdate = forced;
        const bool secondary = screen == Screen::settings || screen == Screen::info;
        const bool over = !screen || secondary || pending != U::none;
        Window main;
        main.setContentViewController(over ? std::make_unique<ViewController>()
                                           : navigator.make(*screen));
        // The login-item and microphone screens keep the window the launch set up.
        if (over || screen == Screen::loginItem || screen == Screen::microphonePermission) {
            main.setBackgroundColor(Qt::white);
            WindowSetup::setUpMainWindow(main);
        }
        main.show();
        ViewController* content = main.contentViewController();
        if (secondary) {
            WindowSetup::presentSecondaryWindow(content, navigator.make(*screen));
        } else if (pending != U::none) {
            modalWindowOrigin = {630, 479};
            auto window = navigator.make(*screen);
            window->setPreferredContentSize({340, 304});
            content->presentViewControllerAsModalWindow(std::move(window));
        }
        const auto presented = content->presentedViewControllers();
        save(presented.empty() ? main : *presented.front()->window(), name);
        // The Settings tabs beyond the first.
        if (auto* settings = presented.empty()
                                 ? nullptr
                                 : qobject_cast<SettingViewController*>(presented.front())) {
            settings->updateButton()->click();
            save(*settings->window(), "settings_updates");
            settings->privacyButton()->click();
            save(*settings->window(), "settings_privacy");
        }
        // The Information tabs beyond the first.
        if (auto* info = presented.empty() ? nullptr
                                           : qobject_cast<InfoViewController*>(presented.front())) {
            info->userGuideButton()->click();
            save(*info->window(), "info_user_guide");
            info->supportButton()->click();
            save(*info->window(), "info_supported_apps");
        }
        main.setContentViewController(nullptr);
    }

    // The licence and consent screens as they open, and once read to the end.
    for (const auto& [name, screen] :
         {std::pair{"eula_screen", Screen::eula}, std::pair{"consent_screen", Screen::consent}}) {
        Window main;
        main.setContentViewController(navigator.make(screen));
        main.show();
        auto* agreement = qobject_cast<AgreementViewController*>(main.contentViewController());
        QTest::qWait(20);
        save(main, name);
        QScrollBar* bar = agreement->contentText()->verticalScrollBar();
        bar->setValue(bar->maximum());
        (void)QTest::qWaitFor([&] { return agreement->agreeButton()->isEnabled(); }, 2000);
        save(main, QString::fromLatin1(name) + "_read");
        main.setContentViewController(nullptr);
    }

    for (const auto& [state, name] : {std::pair{MainScreen::firstRun, "menu_state0"},
                                      std::pair{MainScreen::pairingGuide, "menu_state1"},
                                      std::pair{MainScreen::mode, "menu_state2"}}) {
        MenuHandler menu("MenuHandler", nullptr);
        mainScreenState = state;
        menu.rebuildMenuState();
        menu.adjustSize();
        save(menu, name);
    }

    // Every button look appears on the screens above; the toast comes last.
    const int before = ToastViewController::openCount();
    ToastViewController::showToast(Localization::localizedString(LocalizedKey::ToastMeetingTitle),
                                   {200, 300});
    (void)QTest::qWaitFor([&] { return ToastViewController::openCount() > before; }, 2000);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<Window*>(widget);
        if (window && window->isVisible() &&
            qobject_cast<ToastViewController*>(window->contentViewController())) {
            save(*window, "toast");
            window->close();
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool doubled = argc > 2 && QByteArray(argv[2]) == "--scale=2";
    if (doubled) {
        qputenv("QT_SCALE_FACTOR", "2");
    }
    QApplication app(argc, argv);
    folder = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("gallery"));
    QDir().mkpath(folder.path());
    MemoryUserDefaults defaults;
    MemoryAudioHardware hardware;
    MemoryUserState state;
    FixedLoginItem loginItem(platform::LoginItemStatus::enabled);
    const auto resources = QCoreApplication::applicationFilePath().toStdString();
    platform::Bundle bundle({.identifier = "com.lumatix.connectionassistant",
                             .version = "1.0.3",
                             .resourcesPath = platform::Bundle::resourcesPathFor(resources)});
    platform::Platform::install({.userDefaults = &defaults,
                                 .audioHardware = &hardware,
                                 .loginItem = &loginItem,
                                 .bundle = &bundle,
                                 .userState = &state});
    // The update windows never finish their check.
    NetworkManger updates(net::HttpClient::shared(), "http://127.0.0.1:9");
    using Reachable = FixedReachability;
    ScreenNavigator navigator({
        .updateClient = &updates,
        .requestRegion = [] {},
        .makeReachability =
            [] { return std::make_unique<Reachable>(Reachable::Answer::reachable); },
        .quit = [] {},
    });
    std::vector<const char*> languages{Localization::english, Localization::simplifiedChinese,
                                       Localization::traditionalChinese, Localization::japanese};
    if (doubled) {
        languages.resize(1);
    }
    for (const char* each : languages) {
        Localization::install(language = QString::fromLatin1(each));
        renderWindowsMenusButtonsAndToast(hardware, navigator);
    }
    // The scale is fixed when the application starts, so the doubled set is a run of its own.
    if (!doubled) {
        return QProcess::execute(
            QCoreApplication::applicationFilePath(),
            {folder.filePath(QStringLiteral("scale2")), QStringLiteral("--scale=2")});
    }
    return 0;
}
