#include "app/Application.h"

#include "BuildConfig.h"
#include "app/AppDelegate.h"
#include "app/CallFollower.h"
#include "app/CommandLine.h"
#include "core/DefaultsKeys.h"
#include "platform/Bundle.h"
#include "platform/DisplayEnvironment.h"
#include "platform/LinuxPlatform.h"
#include "platform/SingleInstance.h"
#include "screens/main/BluetoothViewController.h"
#include "screens/onboarding/EULAViewController.h"
#include "ui/Accessibility.h"
#include "ui/Localization.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>
#include <iostream>

int Application::run(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (arguments == std::vector<std::string>{checkResourcesOption}) {
        return checkResources(argv[0]);
    }
    const auto request = CommandLine::parse(arguments);
    if (request.needsSoundServer()) {
        // The sound server is spoken to on an event loop; no display is needed.
        QCoreApplication app(argc, argv);
        platform::LinuxPlatform services(platform::LinuxPlatform::Scope::audioOnly,
                                         platform::LinuxPlatform::currentExecutable(argv[0]));
        return CommandLine::run(request, std::cout, std::cerr);
    }
    if (request.action != CommandLineRequest::Action::runApplication) {
        return CommandLine::run(request, std::cout, std::cerr);
    }
    return runDesktop(argc, argv);
}

int Application::runDesktop(int argc, char** argv) {
    if (const auto reason = platform::DisplayEnvironment::missingDisplayReason()) {
        std::cout << build_config::appId << ": cannot start, " << *reason << std::endl;
        return 1;
    }
    // Qt's Wayland platform spends the token on the first window; a hand-over needs it too.
    const std::string activationToken = platform::DisplayEnvironment::activationToken();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(
        build_config::appId.data(), static_cast<int>(build_config::appId.size())));
    QApplication::setApplicationDisplayName(QString::fromUtf8(
        build_config::appName.data(), static_cast<int>(build_config::appName.size())));
    // Wayland compositors match windows to the desktop entry, and so to its icon, by this name.
    QGuiApplication::setDesktopFileName(
        QString::fromUtf8(build_config::bundleIdentifier.data(),
                          static_cast<int>(build_config::bundleIdentifier.size())));
    QApplication::setQuitOnLastWindowClosed(false);

    platform::SingleInstance instance(
        platform::SingleInstance::socketPathFor(QApplication::applicationName()));
    if (instance.start(1000, QString::fromStdString(activationToken)) ==
        platform::SingleInstance::Start::handedOver) {
        return 0;
    }

    platform::LinuxPlatform services(platform::LinuxPlatform::Scope::desktop,
                                     platform::LinuxPlatform::currentExecutable(argv[0]));
    Localization::install();
    Accessibility::install();
    AppDelegate delegate(ScreenNavigator::Services::live());
    QObject::connect(&instance, &platform::SingleInstance::reopenRequested, &delegate,
                     [&delegate](const QString& token) {
                         platform::DisplayEnvironment::adoptActivationToken(token.toStdString());
                         delegate.applicationShouldHandleReopen(true);
                     });
    CallFollower calls;
    QObject::connect(&instance, &platform::SingleInstance::userStateChanged, &calls,
                     &CallFollower::update);
    QTimer::singleShot(0, &delegate, [&delegate] { delegate.applicationDidFinishLaunching(); });
    QApplication::exec();
    delegate.applicationWillTerminate();
    return 0;
}

int Application::checkResources(const char* argv0) {
    const auto bundle =
        platform::Bundle::forExecutable(platform::LinuxPlatform::currentExecutable(argv0));
    std::vector<std::pair<std::string, std::string>> resources{
        {defaults_keys::userDefaultPlistName, defaults_keys::userDefaultPlistExtension},
        {std::string(BluetoothViewController::animationFolder) + '/' +
             BluetoothViewController::animationName,
         "json"}};
    for (const char* localization : {"en", "zh-Hant", "zh-Hans", "ja"}) {
        resources.emplace_back(EULAViewController::agreementResourceName(localization),
                               EULAViewController::agreementType);
    }
    int status = 0;
    for (const auto& [name, extension] : resources) {
        if (!bundle.urlForResource(name, extension)) {
            std::cerr << build_config::appId << ": missing "
                      << (bundle.resourcesPath() / (name + '.' + extension)).string() << '\n';
            status = 1;
        }
    }
    if (status == 0) {
        std::cout << bundle.resourcesPath().string() << '\n';
    }
    return status;
}
