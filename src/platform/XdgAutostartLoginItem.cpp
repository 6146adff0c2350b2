#include "platform/XdgAutostartLoginItem.h"

#include "BuildConfig.h"
#include "platform/AtomicFile.h"
#include "platform/Log.h"
#include "platform/SmallFile.h"
#include "platform/XdgBaseDirectory.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <algorithm>
#include <system_error>
#include <utility>

namespace platform {
namespace {

namespace fs = std::filesystem;

const QString desktopEntryGroup = QStringLiteral("[Desktop Entry]");
const QString hiddenKey = QStringLiteral("Hidden");
const QString gnomeEnabledKey = QStringLiteral("X-GNOME-Autostart-enabled");
const QString execKey = QStringLiteral("Exec");

// Desktop entries are small; a FIFO or a huge file at the path is no entry.
std::optional<QByteArray> readEntry(const fs::path& file) {
    auto contents = SmallFile::read(file, 64 * 1024);
    if (!contents.bytes) {
        return std::nullopt;
    }
    return QByteArray::fromStdString(*contents.bytes);
}

bool isGroupHeader(const QString& trimmedLine) {
    return trimmedLine.startsWith(u'[');
}

// The key of a "Key=Value" line (spaces around '=' are allowed), or empty for other lines.
QString keyOf(const QString& trimmedLine, QString* value = nullptr) {
    if (trimmedLine.startsWith(u'#')) {
        return {};
    }
    const auto equals = trimmedLine.indexOf(u'=');
    if (equals <= 0) {
        return {};
    }
    if (value != nullptr) {
        *value = trimmedLine.mid(equals + 1).trimmed();
    }
    return trimmedLine.left(equals).trimmed();
}

// The keys of the [Desktop Entry] group with their values; the last value of a key counts.
QHash<QString, QString> entryValues(const QString& text) {
    bool inEntry = false;
    QHash<QString, QString> values;
    for (const auto& rawLine : text.split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (isGroupHeader(line)) {
            inEntry = line == desktopEntryGroup;
            continue;
        }
        QString value;
        const QString key = keyOf(line, &value);
        if (inEntry && !key.isEmpty()) {
            values.insert(key, value);
        }
    }
    return values;
}

// Whether the group switches the entry off.
bool isDisabled(const QHash<QString, QString>& values) {
    return values.value(hiddenKey).compare(u"true", Qt::CaseInsensitive) == 0 ||
           values.value(gnomeEnabledKey).compare(u"false", Qt::CaseInsensitive) == 0;
}

// Exec quoting: an argument with a reserved character goes in double quotes with ", `, $ and
// \ escaped; then the general string escapes apply on top, and % is doubled so no part of
// the path reads as a field code.
QString execValue(const QString& program) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString argument;
    const bool quote =
        std::any_of(program.begin(), program.end(), [](QChar c) { return reserved.contains(c); });
    if (quote) {
        argument += u'"';
        for (const QChar c : program) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') {
                argument += u'\\';
            }
            argument += c;
        }
        argument += u'"';
    } else {
        argument = program;
    }
    argument.replace(u'%', QStringLiteral("%%"));
    QString escaped;
    for (const QChar c : argument) {
        if (c == u'\\') {
            escaped += QStringLiteral("\\\\");
        } else if (c == u'\n') {
            escaped += QStringLiteral("\\n");
        } else if (c == u'\t') {
            escaped += QStringLiteral("\\t");
        } else if (c == u'\r') {
            escaped += QStringLiteral("\\r");
        } else {
            escaped += c;
        }
    }
    return escaped;
}

QString freshEntry(const QString& executablePath) {
    return desktopEntryGroup + u'\n' + QStringLiteral("Type=Application\n") +
           QStringLiteral("Name=") + QString::fromUtf8(build_config::appName) + u'\n' +
           QStringLiteral("Exec=") + execValue(executablePath) + u'\n' + QStringLiteral("Icon=") +
           QString::fromUtf8(build_config::bundleIdentifier) + u'\n' + gnomeEnabledKey +
           QStringLiteral("=true\n") + QStringLiteral("Terminal=false\n");
}

// The existing entry switched on or off, every other line as it was, except that an entry
// switched on starts this program. Without a [Desktop Entry] group there is nothing to switch,
// so a fresh entry goes in front of the old lines.
QString switchedVersionOf(const QString& text, const QString& executablePath, bool on) {
    const QString hidden = hiddenKey + (on ? QStringLiteral("=false") : QStringLiteral("=true"));
    const QString gnome =
        gnomeEnabledKey + (on ? QStringLiteral("=true") : QStringLiteral("=false"));
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    qsizetype groupStart = -1;
    qsizetype groupEnd = lines.size();
    bool hasGnomeKey = false;
    bool hasHidden = false;
    bool hasExec = false;
    const QString exec = execKey + u'=' + execValue(executablePath);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (isGroupHeader(line)) {
            if (groupStart >= 0 && groupEnd == lines.size()) {
                groupEnd = i;
            }
            if (line == desktopEntryGroup && groupStart < 0) {
                groupStart = i;
            }
            continue;
        }
        if (groupStart < 0 || groupEnd != lines.size()) {
            continue;
        }
        const QString key = keyOf(line);
        if (key == hiddenKey) {
            lines[i] = hidden;
            hasHidden = true;
        } else if (key == gnomeEnabledKey) {
            lines[i] = gnome;
            hasGnomeKey = true;
        } else if (key == execKey && on) {
            lines[i] = exec;
            hasExec = true;
        }
    }
    if (groupStart < 0) {
        return switchedVersionOf(freshEntry(executablePath), executablePath, on) +
               (lines.isEmpty() ? QString() : u'\n' + text);
    }
    if (!hasGnomeKey) {
        // After the group's last non-blank line, so a blank separator stays a separator.
        qsizetype insertAt = groupEnd;
        while (insertAt > groupStart + 1 && lines[insertAt - 1].trimmed().isEmpty()) {
            --insertAt;
        }
        lines.insert(insertAt, gnome);
    }
    if (on && !hasExec) {
        lines.insert(groupStart + 1, exec);
    }
    if (!on && !hasHidden) {
        // Desktops that ignore GNOME's key still honour Hidden.
        lines.insert(groupStart + 1, hidden);
    }
    return lines.join(u'\n') + u'\n';
}

} // namespace

XdgAutostartLoginItem::XdgAutostartLoginItem(QString appId, QString executablePath,
                                             std::filesystem::path configHome)
    : appId_(std::move(appId)), executablePath_(std::move(executablePath)),
      configHome_(std::move(configHome)) {}

std::unique_ptr<XdgAutostartLoginItem>
XdgAutostartLoginItem::forCurrentUser(QString appId, QString executablePath) {
    return std::make_unique<XdgAutostartLoginItem>(std::move(appId), std::move(executablePath),
                                                   XdgBaseDirectory::configHome());
}

std::filesystem::path XdgAutostartLoginItem::entryPath() const {
    return configHome_ / "autostart" / QFile::encodeName(appId_ + ".desktop").toStdString();
}

LoginItemStatus XdgAutostartLoginItem::status() const {
    const auto path = entryPath();
    std::error_code error;
    if (!fs::exists(path, error) && !error) {
        return LoginItemStatus::notRegistered;
    }
    const auto bytes = readEntry(path);
    if (!bytes) {
        return LoginItemStatus::notFound;
    }
    const auto values = entryValues(QString::fromUtf8(*bytes));
    // An entry that starts another program (an older install, a build tree) is not ours.
    if (values.value(execKey) != execValue(executablePath_)) {
        return LoginItemStatus::notRegistered;
    }
    // Switched off entries stay until the user turns them on again in the startup settings.
    return isDisabled(values) ? LoginItemStatus::requiresApproval : LoginItemStatus::enabled;
}

bool XdgAutostartLoginItem::enable() {
    if (!writeEntry(Switch::on)) {
        return false;
    }
    Log::line("Launch at login: enabled in " + entryPath().string());
    return true;
}

// The entry stays, switched off, so that it also hides one the system may install.
bool XdgAutostartLoginItem::disable() {
    if (status() == LoginItemStatus::notRegistered) {
        return true;
    }
    if (!writeEntry(Switch::off)) {
        return false;
    }
    Log::line("Launch at login: disabled in " + entryPath().string());
    return true;
}

bool XdgAutostartLoginItem::writeEntry(Switch wanted) {
    const bool on = wanted == Switch::on;
    const auto path = entryPath();
    const auto fail = [&path](const std::string& reason) {
        Log::line("Launch at login: could not write " + path.string() + ": " + reason);
        return false;
    };
    std::error_code error;
    QString contents;
    if (fs::exists(path, error) && !error) {
        if (const auto existing = readEntry(path)) {
            const QString text = QString::fromUtf8(*existing);
            contents = switchedVersionOf(text, executablePath_, on);
            if (contents == text) {
                return true;
            }
        }
    }
    if (contents.isEmpty()) {
        contents = on ? freshEntry(executablePath_)
                      : switchedVersionOf(freshEntry(executablePath_), executablePath_, on);
    }
    std::string problem;
    if (!AtomicFile::createFolders(path.parent_path(), &problem)) {
        return fail(problem);
    }
    if (!AtomicFile::write(path, contents.toStdString(), &problem)) {
        return fail(problem);
    }
    return true;
}

} // namespace platform
