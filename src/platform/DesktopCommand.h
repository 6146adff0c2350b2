#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace platform {

// A program of the desktop (a settings page, a file manager) to start detached.
struct DesktopCommand {
    enum class Family { kde, gnome, other };

    // Starts a command detached; false when it could not be started.
    using Launcher = std::function<bool(const DesktopCommand&)>;
    // Full path of an executable on PATH, or empty.
    using ExecutableFinder = std::function<QString(const QString&)>;

    QString program;
    QStringList arguments;

    friend bool operator==(const DesktopCommand&, const DesktopCommand&) = default;

    // Which desktop family $XDG_CURRENT_DESKTOP names; the list puts the closest match first
    // and "GNOME-Classic" is a GNOME too.
    [[nodiscard]] static Family family(const QString& currentDesktop);
    // The first candidate whose program is installed, with its full path.
    [[nodiscard]] static std::optional<DesktopCommand>
    firstAvailable(const std::vector<DesktopCommand>& candidates, const ExecutableFinder& finder);
    [[nodiscard]] static QString describe(const DesktopCommand& command);

    [[nodiscard]] static Launcher detachedLauncher();
    [[nodiscard]] static ExecutableFinder pathFinder();
};

} // namespace platform
