#include "platform/XdgDesktopSettings.h"

#include "platform/Log.h"

namespace platform {
namespace {

// The desktop's own page first, then a desktop-neutral program, then the other desktops'.
std::optional<DesktopCommand> pageCommand(const QString& currentDesktop,
                                          const DesktopCommand::ExecutableFinder& finder,
                                          const QString& gnomePanel, const QString& plasmaModule,
                                          const DesktopCommand& standalone) {
    const DesktopCommand gnome{QStringLiteral("gnome-control-center"), {gnomePanel}};
    const DesktopCommand plasma6{QStringLiteral("kcmshell6"), {plasmaModule}};
    const DesktopCommand plasma5{QStringLiteral("kcmshell5"), {plasmaModule}};
    switch (DesktopCommand::family(currentDesktop)) {
    case DesktopCommand::Family::kde:
        return DesktopCommand::firstAvailable({plasma6, plasma5, standalone, gnome}, finder);
    case DesktopCommand::Family::gnome:
        return DesktopCommand::firstAvailable({gnome, standalone, plasma6, plasma5}, finder);
    case DesktopCommand::Family::other:
        break;
    }
    return DesktopCommand::firstAvailable({standalone, gnome, plasma6, plasma5}, finder);
}

} // namespace

XdgDesktopSettings::XdgDesktopSettings(QString currentDesktop, DesktopCommand::Launcher launcher,
                                       DesktopCommand::ExecutableFinder finder)
    : currentDesktop_(std::move(currentDesktop)), launcher_(std::move(launcher)),
      finder_(std::move(finder)) {}

std::unique_ptr<XdgDesktopSettings> XdgDesktopSettings::forCurrentDesktop() {
    return std::make_unique<XdgDesktopSettings>(qEnvironmentVariable("XDG_CURRENT_DESKTOP"),
                                                DesktopCommand::detachedLauncher(),
                                                DesktopCommand::pathFinder());
}

std::optional<DesktopCommand>
XdgDesktopSettings::bluetoothSettingsCommand(const QString& currentDesktop,
                                             const DesktopCommand::ExecutableFinder& finder) {
    return pageCommand(currentDesktop, finder, QStringLiteral("bluetooth"),
                       QStringLiteral("kcm_bluetooth"), {QStringLiteral("blueman-manager"), {}});
}

std::optional<DesktopCommand>
XdgDesktopSettings::microphoneSettingsCommand(const QString& currentDesktop,
                                              const DesktopCommand::ExecutableFinder& finder) {
    // pavucontrol's fourth tab lists the input devices.
    return pageCommand(currentDesktop, finder, QStringLiteral("microphone"),
                       QStringLiteral("kcm_pulseaudio"),
                       {QStringLiteral("pavucontrol"), {QStringLiteral("--tab=4")}});
}

bool XdgDesktopSettings::openBluetoothSettings() {
    return launch(bluetoothSettingsCommand(currentDesktop_, finder_),
                  "No Bluetooth settings found (looked for gnome-control-center, kcmshell6, "
                  "kcmshell5 and blueman-manager); open them from the desktop's own menu");
}

bool XdgDesktopSettings::openMicrophoneSettings() {
    return launch(microphoneSettingsCommand(currentDesktop_, finder_),
                  "No microphone settings found (looked for gnome-control-center, kcmshell6, "
                  "kcmshell5 and pavucontrol); open them from the desktop's own menu");
}

bool XdgDesktopSettings::launch(const std::optional<DesktopCommand>& command,
                                std::string_view notFound) const {
    if (!command) {
        Log::line(notFound);
        return false;
    }
    if (!launcher_ || !launcher_(*command)) {
        Log::line("Could not start " + DesktopCommand::describe(*command).toStdString());
        return false;
    }
    return true;
}

} // namespace platform
