#pragma once

#include "platform/DesktopCommand.h"
#include "platform/LoginItem.h"

#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <optional>

namespace platform {

// Launch at login through the XDG autostart entry <config home>/autostart/<app id>.desktop.
class XdgAutostartLoginItem final : public LoginItem {
public:
    using Command = DesktopCommand;
    using Launcher = DesktopCommand::Launcher;
    using ExecutableFinder = DesktopCommand::ExecutableFinder;

    XdgAutostartLoginItem(QString appId, QString executablePath, std::filesystem::path configHome,
                          QString currentDesktop, Launcher launcher, ExecutableFinder finder);

    // The real one: $XDG_CONFIG_HOME (or ~/.config), $XDG_CURRENT_DESKTOP, detached processes.
    static std::unique_ptr<XdgAutostartLoginItem> forCurrentUser(QString appId,
                                                                 QString executablePath);

    [[nodiscard]] LoginItemStatus status() const override;
    void openSystemSettingsLoginItems() override;

    [[nodiscard]] std::filesystem::path entryPath() const;

    // The desktop's startup-applications settings, if one of them is installed.
    [[nodiscard]] static std::optional<Command>
    startupSettingsCommand(const QString& currentDesktop, const ExecutableFinder& finder);

private:
    bool writeEnabledEntry();

    QString appId_;
    QString executablePath_;
    std::filesystem::path configHome_;
    QString currentDesktop_;
    Launcher launcher_;
    ExecutableFinder finder_;
};

} // namespace platform
