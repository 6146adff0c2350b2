#include "platform/LinuxPlatform.h"

#include "BuildConfig.h"
#include "platform/Bundle.h"
#include "platform/DesktopMicrophoneAccess.h"
#include "platform/Executable.h"
#include "platform/FreedesktopNotifications.h"
#include "platform/PlistUserDefaults.h"
#include "platform/PulseAudioHardware.h"
#include "platform/SleepWatcher.h"
#include "platform/StateFile.h"
#include "platform/XdgAutostartLoginItem.h"
#include "platform/XdgDesktopSettings.h"
#include "platform/XdgFileManager.h"
#include "platform/XdgWebBrowser.h"

namespace platform {

LinuxPlatform::LinuxPlatform(Scope scope, const std::filesystem::path& executable)
    : audio_(std::make_unique<PulseAudioHardware>(std::string(build_config::appName))),
      bundle_(std::make_unique<Bundle>(Bundle::forExecutable(executable))),
      state_(std::make_unique<StateFile>(StateFile::defaultPath())) {
    Platform::Services services{
        .audioHardware = audio_.get(), .bundle = bundle_.get(), .userState = state_.get()};
    if (scope == Scope::desktop) {
        defaults_ = std::make_unique<PlistUserDefaults>(PlistUserDefaults::defaultPath());
        // The command users run, beside this program: it starts whichever desktop program is
        // installed beside it, so the entry keeps working after an upgrade.
        const auto command = executable.parent_path() / std::string(build_config::appId);
        loginItem_ = XdgAutostartLoginItem::forCurrentUser(
            QString::fromUtf8(build_config::appId.data(),
                              static_cast<int>(build_config::appId.size())),
            QString::fromStdString(command.string()));
        microphone_ = DesktopMicrophoneAccess::forCurrentDesktop();
        desktopSettings_ = XdgDesktopSettings::forCurrentDesktop();
        fileManager_ = std::make_unique<XdgFileManager>();
        webBrowser_ = std::make_unique<XdgWebBrowser>();
        notifications_ = std::make_unique<FreedesktopNotifications>(
            QDBusConnection::sessionBus(),
            QString::fromUtf8(build_config::appName.data(),
                              static_cast<int>(build_config::appName.size())),
            QString::fromUtf8(build_config::bundleIdentifier.data(),
                              static_cast<int>(build_config::bundleIdentifier.size())));
        services.userDefaults = defaults_.get();
        services.loginItem = loginItem_.get();
        services.microphoneAccess = microphone_.get();
        services.desktopSettings = desktopSettings_.get();
        services.fileManager = fileManager_.get();
        services.webBrowser = webBrowser_.get();
        services.desktopNotifications = notifications_.get();
        sleepWatcher_ = SleepWatcher::onSystemBus([audio = audio_.get()] { audio->refresh(); });
    }
    previous_ = Platform::install(services);
}

LinuxPlatform::~LinuxPlatform() {
    Platform::restore(previous_);
}

std::filesystem::path LinuxPlatform::currentExecutable(const char* argv0) {
    return Executable::current(argv0);
}

} // namespace platform
