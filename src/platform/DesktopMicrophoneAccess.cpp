#include "platform/DesktopMicrophoneAccess.h"

#include "platform/Log.h"

#include <QFile>
#include <QThreadPool>

// GLib names a struct member after Qt's "signals" keyword macro, which nothing here uses.
#undef signals
#include <gio/gio.h>

namespace platform {
namespace {

constexpr const char* privacySchema = "org.gnome.desktop.privacy";
constexpr const char* microphoneKey = "disable-microphone";
constexpr const char* permissionStore = "org.freedesktop.impl.portal.PermissionStore";
constexpr const char* permissionStorePath = "/org/freedesktop/impl/portal/PermissionStore";
constexpr int permissionStoreTimeoutMs = 2000;

// The "devices" table's "microphone" entry, or nothing (and a line) when it cannot be read.
std::optional<DesktopMicrophoneAccess::PermissionMap> storedMicrophonePermissions() {
    g_autoptr(GError) error = nullptr;
    g_autoptr(GDBusConnection) bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &error);
    g_autoptr(GVariant) reply =
        bus == nullptr
            ? nullptr
            : g_dbus_connection_call_sync(
                  bus, permissionStore, permissionStorePath, permissionStore, "Lookup",
                  g_variant_new("(ss)", "devices", "microphone"), G_VARIANT_TYPE("(a{sas}v)"),
                  G_DBUS_CALL_FLAGS_NONE, permissionStoreTimeoutMs, nullptr, &error);
    if (reply == nullptr) {
        Log::line(std::string("Could not read the microphone permission from the desktop's "
                              "permission store (") +
                  (error != nullptr ? error->message : "no answer") +
                  "); not counted as a refusal");
        return std::nullopt;
    }
    DesktopMicrophoneAccess::PermissionMap permissions;
    g_autoptr(GVariant) entries = g_variant_get_child_value(reply, 0);
    GVariantIter iter;
    g_variant_iter_init(&iter, entries);
    const gchar* appId = nullptr;
    const gchar** values = nullptr;
    while (g_variant_iter_loop(&iter, "{&s^a&s}", &appId, &values)) {
        QStringList& list = permissions[QString::fromUtf8(appId)];
        for (const gchar** value = values; *value != nullptr; ++value) {
            list.append(QString::fromUtf8(*value));
        }
    }
    return permissions;
}

} // namespace

DesktopMicrophoneAccess::DesktopMicrophoneAccess(Reader gnomeSwitchedOff, Reader sandboxRefused)
    : gnomeSwitchedOff_(std::move(gnomeSwitchedOff)), sandboxRefused_(std::move(sandboxRefused)) {}

std::unique_ptr<DesktopMicrophoneAccess> DesktopMicrophoneAccess::forCurrentDesktop() {
    return std::make_unique<DesktopMicrophoneAccess>(&gnomeMicrophoneSwitchedOff,
                                                     &sandboxMicrophoneRefused);
}

void DesktopMicrophoneAccess::requestAccess(Completion completion) {
    QThreadPool::globalInstance()->start(
        [gnome = gnomeSwitchedOff_, sandbox = sandboxRefused_, completion = std::move(completion)] {
            const auto switchedOff = gnome ? gnome() : std::nullopt;
            const auto refused = sandbox ? sandbox() : std::nullopt;
            if (switchedOff.value_or(false)) {
                Log::line(
                    "Microphone access refused: GNOME's privacy settings turn the microphone off");
            } else if (refused.value_or(false)) {
                Log::line("Microphone access refused: the desktop's permission store denies it to "
                          "this sandboxed application");
            }
            completion(isGranted(switchedOff, refused));
        });
}

bool DesktopMicrophoneAccess::isGranted(std::optional<bool> gnomeSwitchedOff,
                                        std::optional<bool> sandboxRefused) {
    return !gnomeSwitchedOff.value_or(false) && !sandboxRefused.value_or(false);
}

QString DesktopMicrophoneAccess::flatpakAppId(const QString& flatpakInfo) {
    const QByteArray text = flatpakInfo.toUtf8();
    g_autoptr(GKeyFile) file = g_key_file_new();
    if (!g_key_file_load_from_data(file, text.constData(), static_cast<gsize>(text.size()),
                                   G_KEY_FILE_NONE, nullptr)) {
        return {};
    }
    g_autofree gchar* name = g_key_file_get_string(file, "Application", "name", nullptr);
    return QString::fromUtf8(name);
}

std::optional<bool> DesktopMicrophoneAccess::refusedByPermissions(const PermissionMap& permissions,
                                                                  const QString& appId) {
    const auto entry = permissions.find(appId);
    if (entry == permissions.end() || entry->second.isEmpty()) {
        return std::nullopt;
    }
    return entry->second.first() == u"no";
}

std::optional<bool> DesktopMicrophoneAccess::gnomeMicrophoneSwitchedOff() {
    // g_settings_new() aborts on a schema that is not installed: look it up first.
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    g_autoptr(GSettingsSchema) schema =
        source == nullptr ? nullptr : g_settings_schema_source_lookup(source, privacySchema, TRUE);
    if (schema == nullptr || !g_settings_schema_has_key(schema, microphoneKey)) {
        return std::nullopt;
    }
    g_autoptr(GSettings) settings = g_settings_new_full(schema, nullptr, nullptr);
    g_autoptr(GVariant) value = g_settings_get_value(settings, microphoneKey);
    if (!g_variant_is_of_type(value, G_VARIANT_TYPE_BOOLEAN)) {
        return std::nullopt;
    }
    return g_variant_get_boolean(value) != FALSE;
}

std::optional<bool> DesktopMicrophoneAccess::sandboxMicrophoneRefused() {
    QFile info(QStringLiteral("/.flatpak-info"));
    if (!info.exists()) {
        return std::nullopt; // not in a sandbox: the store is the portal's business
    }
    const QString appId = info.open(QIODevice::ReadOnly)
                              ? flatpakAppId(QString::fromUtf8(info.readAll()))
                              : QString();
    if (appId.isEmpty()) {
        Log::line("Could not read the application id from /.flatpak-info; the microphone "
                  "permission of the sandbox is not checked");
        return std::nullopt;
    }
    const auto permissions = storedMicrophonePermissions();
    return permissions ? refusedByPermissions(*permissions, appId) : std::nullopt;
}

} // namespace platform
