#pragma once

#include "platform/DesktopCommand.h"

#include <string_view>

namespace platform {

// The desktop's own settings pages the application sends the user to.
class DesktopSettings {
public:
    DesktopSettings(QString currentDesktop, DesktopCommand::Launcher launcher,
                    DesktopCommand::ExecutableFinder finder);
    // For this session's desktop.
    [[nodiscard]] static DesktopSettings forCurrentDesktop();

    // GNOME's, Plasma's or Blueman's Bluetooth page; false (and a line) when none is there.
    bool openBluetoothSettings() const;
    // GNOME's microphone page, Plasma's sound settings or pavucontrol's input devices; false
    // (and a line) when none is there.
    bool openMicrophoneSettings() const;

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
