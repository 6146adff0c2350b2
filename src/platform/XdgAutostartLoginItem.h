#pragma once

#include "platform/LoginItem.h"

#include <QString>
#include <QStringList>
#include <filesystem>
#include <memory>

namespace platform {

// Launch at login through the XDG autostart entry <config home>/autostart/<app id>.desktop.
class XdgAutostartLoginItem final : public LoginItem {
public:
    XdgAutostartLoginItem(QString appId, QString executablePath, std::filesystem::path configHome);

    // The real one, under $XDG_CONFIG_HOME (or ~/.config).
    static std::unique_ptr<XdgAutostartLoginItem> forCurrentUser(QString appId,
                                                                 QString executablePath);

    [[nodiscard]] LoginItemStatus status() const override;
    bool enable() override;
    bool disable() override;

    [[nodiscard]] std::filesystem::path entryPath() const;

private:
    enum class Switch { off, on };

    bool writeEntry(Switch wanted);

    QString appId_;
    QString executablePath_;
    std::filesystem::path configHome_;
};

} // namespace platform
