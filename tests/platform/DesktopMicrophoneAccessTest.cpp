#include "platform/DesktopMicrophoneAccess.h"

#include "support/CapturedLog.h"

#include <future>
#include <gtest/gtest.h>

// GLib names a struct member after Qt's "signals" keyword macro.
#undef signals
#define G_SETTINGS_ENABLE_BACKEND
#include <gio/gio.h>
#include <gio/gsettingsbackend.h>

using platform::DesktopMicrophoneAccess;
using Opinion = std::optional<bool>;

namespace {

bool answer(DesktopMicrophoneAccess& access) {
    std::promise<bool> granted;
    access.requestAccess([&granted](bool value) { granted.set_value(value); });
    return granted.get_future().get();
}

} // namespace

// Either setting refuses; one without an opinion refuses nothing. A refusal says why in a line.
TEST(DesktopMicrophoneAccessTest, RefusedWhenGnomeOrTheSandboxSaysSo) {
    const std::tuple<Opinion, Opinion, std::string> cases[] = {
        {std::nullopt, std::nullopt, ""},
        {false, false, ""},
        {true, std::nullopt, "GNOME's privacy settings"},
        {true, true, "GNOME's privacy settings"},
        {std::nullopt, true, "permission store"},
        {false, true, "permission store"}};
    for (const auto& [gnome, sandbox, reason] : cases) {
        CapturedLog log;
        DesktopMicrophoneAccess access([g = gnome] { return g; }, [s = sandbox] { return s; });
        EXPECT_EQ(answer(access), reason.empty()) << reason;
        const auto lines = log.lines();
        ASSERT_EQ(lines.size(), reason.empty() ? 0U : 1U) << reason;
        EXPECT_TRUE(reason.empty() || lines[0].find(reason) != std::string::npos) << reason;
    }
}

TEST(DesktopMicrophoneAccessTest, ReadsTheSandboxedAppIdAndItsStoredPermission) {
    using Access = DesktopMicrophoneAccess;
    EXPECT_EQ(Access::flatpakAppId("[Application]\nname=com.lumatix.Assistant\nruntime=runtime/"
                                   "org.kde.Platform/x86_64/6.6\n\n[Instance]\ninstance-id=42\n"),
              "com.lumatix.Assistant");
    EXPECT_EQ(Access::flatpakAppId("[Runtime]\nname=org.kde.Platform\n"), "");
    // Only the application's own entry counts, and only its first value.
    const Access::PermissionMap store{{"com.lumatix.Assistant", {"no"}},
                                      {"org.other.App", {"yes", "no"}}};
    EXPECT_EQ(Access::refusedByPermissions(store, "com.lumatix.Assistant"), true);
    EXPECT_EQ(Access::refusedByPermissions(store, "org.other.App"), false);
    EXPECT_EQ(Access::refusedByPermissions(store, "org.unknown.App"), std::nullopt);
}

// GNOME's own key, held in memory for this process, decides the real access.
TEST(DesktopMicrophoneAccessTest, FollowsGnomesPrivacySwitch) {
    qputenv("GSETTINGS_BACKEND", "memory");
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    g_autoptr(GSettingsSchema) schema =
        source == nullptr
            ? nullptr
            : g_settings_schema_source_lookup(source, "org.gnome.desktop.privacy", TRUE);
    if (schema == nullptr) {
        GTEST_SKIP() << "GNOME's privacy schema is not installed (gsettings-desktop-schemas)";
    }
    g_autoptr(GSettingsBackend) backend = g_settings_backend_get_default();
    ASSERT_STREQ(G_OBJECT_TYPE_NAME(backend), "GMemorySettingsBackend")
        << "GSettings was used in this process before the test chose its backend";
    g_autoptr(GSettings) settings = g_settings_new_full(schema, nullptr, nullptr);
    for (const bool off : {true, false}) {
        ASSERT_TRUE(g_settings_set_boolean(settings, "disable-microphone", off));
        EXPECT_EQ(answer(*DesktopMicrophoneAccess::forCurrentDesktop()), !off);
    }
}
