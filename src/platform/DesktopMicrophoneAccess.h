#pragma once

#include "platform/MicrophoneAccess.h"

#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <optional>

namespace platform {

// On Linux the desktop decides about the microphone, not a prompt: GNOME's privacy switch,
// and inside a Flatpak sandbox the portal's permission store. The answer is given from a
// worker thread like the answer of a real prompt.
class DesktopMicrophoneAccess final : public MicrophoneAccess {
public:
    // True when the setting refuses the microphone, false when it allows it, nothing when the
    // desktop has no such setting or it could not be read.
    using Reader = std::function<std::optional<bool>()>;
    // One table entry of the permission store: application id -> its values.
    using PermissionMap = std::map<QString, QStringList>;

    DesktopMicrophoneAccess(Reader gnomeSwitchedOff, Reader sandboxRefused);
    // Reads this session's GNOME settings and, in a sandbox, its permission store.
    [[nodiscard]] static std::unique_ptr<DesktopMicrophoneAccess> forCurrentDesktop();

    void requestAccess(Completion completion) override;

    // Granted unless a setting refuses it; a setting without an opinion refuses nothing.
    [[nodiscard]] static bool isGranted(std::optional<bool> gnomeSwitchedOff,
                                        std::optional<bool> sandboxRefused);
    // The application id in the text of a sandbox's /.flatpak-info; empty when it names none.
    [[nodiscard]] static QString flatpakAppId(const QString& flatpakInfo);
    // Whether the application's entry refuses the device ("no" first); nothing without one.
    [[nodiscard]] static std::optional<bool> refusedByPermissions(const PermissionMap& permissions,
                                                                  const QString& appId);

    // GNOME's "disable-microphone" key, if its schema is installed.
    [[nodiscard]] static std::optional<bool> gnomeMicrophoneSwitchedOff();
    // The permission store's microphone entry for this sandboxed application; nothing
    // outside a sandbox.
    [[nodiscard]] static std::optional<bool> sandboxMicrophoneRefused();

private:
    Reader gnomeSwitchedOff_;
    Reader sandboxRefused_;
};

} // namespace platform
