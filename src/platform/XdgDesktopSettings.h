#pragma once

#include "platform/DesktopCommand.h"
#include "platform/DesktopSettings.h"

#include <memory>
#include <string_view>

namespace platform {

// The settings programs of the desktop in use ($XDG_CURRENT_DESKTOP), else of any desktop
// that is installed.
class XdgDesktopSettings final : public DesktopSettings {
public:
    XdgDesktopSettings(QString currentDesktop, DesktopCommand::Launcher launcher,
                       DesktopCommand::ExecutableFinder finder);
    // For this session's desktop.
    [[nodiscard]] static std::unique_ptr<XdgDesktopSettings> forCurrentDesktop();

    // GNOME's, Plasma's or Blueman's Bluetooth page.
    bool openBluetoothSettings() override;
    // GNOME's microphone page, Plasma's sound settings or pavucontrol's input devices.
    bool openMicrophoneSettings() override;

    [[nodiscard]] static std::optional<DesktopCommand>
    bluetoothSettingsCommand(const QString& currentDesktop,
                             const DesktopCommand::ExecutableFinder& finder);
    [[nodiscard]] static std::optional<DesktopCommand>
    microphoneSettingsCommand(const QString& currentDesktop,
                              const DesktopCommand::ExecutableFinder& finder);

private:
    bool launch(const std::optional<DesktopCommand>& command, std::string_view notFound) const;

    QString currentDesktop_;
    DesktopCommand::Launcher launcher_;
    DesktopCommand::ExecutableFinder finder_;
};

} // namespace platform
