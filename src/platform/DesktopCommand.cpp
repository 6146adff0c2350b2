#include "platform/DesktopCommand.h"

#include <QProcess>
#include <QStandardPaths>

namespace platform {

DesktopCommand::Family DesktopCommand::family(const QString& currentDesktop) {
    for (const auto& desktop : currentDesktop.split(u':', Qt::SkipEmptyParts)) {
        if (desktop.contains(u"KDE", Qt::CaseInsensitive)) {
            return Family::kde;
        }
        if (desktop.contains(u"GNOME", Qt::CaseInsensitive)) {
            return Family::gnome;
        }
    }
    return Family::other;
}

std::optional<DesktopCommand>
DesktopCommand::firstAvailable(const std::vector<DesktopCommand>& candidates,
                               const ExecutableFinder& finder) {
    if (!finder) {
        return std::nullopt;
    }
    for (const auto& candidate : candidates) {
        const QString program = finder(candidate.program);
        if (!program.isEmpty()) {
            return DesktopCommand{program, candidate.arguments};
        }
    }
    return std::nullopt;
}

QString DesktopCommand::describe(const DesktopCommand& command) {
    return (QStringList{command.program} + command.arguments).join(u' ');
}

DesktopCommand::Launcher DesktopCommand::detachedLauncher() {
    return [](const DesktopCommand& command) {
        return QProcess::startDetached(command.program, command.arguments);
    };
}

DesktopCommand::ExecutableFinder DesktopCommand::pathFinder() {
    return [](const QString& name) { return QStandardPaths::findExecutable(name); };
}

} // namespace platform
