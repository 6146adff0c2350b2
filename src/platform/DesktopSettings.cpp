#include "platform/DesktopSettings.h"

#include "platform/Log.h"

namespace platform {

DesktopSettings::DesktopSettings(QString currentDesktop, DesktopCommand::Launcher launcher,
                                 DesktopCommand::ExecutableFinder finder)
    : currentDesktop_(std::move(currentDesktop)), launcher_(std::move(launcher)),
      finder_(std::move(finder)) {}

DesktopSettings DesktopSettings::forCurrentDesktop() {
    return DesktopSettings(qEnvironmentVariable("XDG_CURRENT_DESKTOP"),
                           DesktopCommand::detachedLauncher(), DesktopCommand::pathFinder());
}

std::optional<DesktopCommand>
DesktopSettings::bluetoothSettingsCommand(const QString& currentDesktop,
                                          const DesktopCommand::ExecutableFinder& finder) {
    const DesktopCommand gnome{QStringLiteral("gnome-control-center"), {QStringLiteral("bluetooth")}};
    const DesktopCommand plasma6{QStringLiteral("kcmshell6"), {QStringLiteral("kcm_bluetooth")}};
    const DesktopCommand plasma5{QStringLiteral("kcmshell5"), {QStringLiteral("kcm_bluetooth")}};
    const DesktopCommand blueman{QStringLiteral("blueman-manager"), {}};
    switch (DesktopCommand::family(currentDesktop)) {
    case DesktopCommand::Family::kde:
        return DesktopCommand::firstAvailable({plasma6, plasma5, blueman, gnome}, finder);
    case DesktopCommand::Family::gnome:
        return DesktopCommand::firstAvailable({gnome, blueman, plasma6, plasma5}, finder);
    case DesktopCommand::Family::other:
        break;
    }
    return DesktopCommand::firstAvailable({blueman, gnome, plasma6, plasma5}, finder);
}

bool DesktopSettings::openBluetoothSettings() const {
    const auto command = bluetoothSettingsCommand(currentDesktop_, finder_);
    if (!command) {
        Log::line("No Bluetooth settings found (looked for gnome-control-center, kcmshell6, "
                  "kcmshell5 and blueman-manager); open them from the desktop's own menu");
        return false;
    }
    if (!launcher_ || !launcher_(*command)) {
        Log::line("Could not start " + DesktopCommand::describe(*command).toStdString());
        return false;
    }
    return true;
}

} // namespace platform
