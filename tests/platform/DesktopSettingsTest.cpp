#include "platform/DesktopSettings.h"

#include <gtest/gtest.h>

using platform::DesktopCommand;
using platform::DesktopSettings;
using Installed = QStringList;

namespace {

using Case = std::tuple<QString, Installed, std::optional<DesktopCommand>>;

// Opens a page on each case's desktop with its programs installed; checks what was started.
void expectStarted(bool (DesktopSettings::*open)() const, const std::vector<Case>& cases) {
    for (const auto& [desktop, installed, expected] : cases) {
        std::optional<DesktopCommand> launched;
        const auto launch = [&](const DesktopCommand& command) { return launched = command, true; };
        const auto find = [&](const QString& name) {
            return installed.contains(name) ? "/usr/bin/" + name : QString();
        };
        EXPECT_EQ((DesktopSettings(desktop, launch, find).*open)(), bool(expected));
        EXPECT_EQ(launched, expected)
            << desktop.toStdString() << " " << installed.join(' ').toStdString();
    }
}

} // namespace

TEST(DesktopSettingsTest, OpensTheBluetoothAndMicrophonePagesOfTheDesktopInUseIfAny) {
    const Installed all{"gnome-control-center", "kcmshell6", "kcmshell5", "blueman-manager",
                        "pavucontrol"};
    expectStarted(
        &DesktopSettings::openBluetoothSettings,
        {{"KDE", all, DesktopCommand{"/usr/bin/kcmshell6", {"kcm_bluetooth"}}},
         {"KDE", {"kcmshell5"}, DesktopCommand{"/usr/bin/kcmshell5", {"kcm_bluetooth"}}},
         {"ubuntu:GNOME", all, DesktopCommand{"/usr/bin/gnome-control-center", {"bluetooth"}}},
         {"XFCE", all, DesktopCommand{"/usr/bin/blueman-manager", {}}},
         {"GNOME", {}, std::nullopt}});
    const DesktopCommand gnome{"/usr/bin/gnome-control-center", {"microphone"}};
    const DesktopCommand pavucontrol{"/usr/bin/pavucontrol", {"--tab=4"}};
    expectStarted(&DesktopSettings::openMicrophoneSettings,
                  {{"KDE", all, DesktopCommand{"/usr/bin/kcmshell6", {"kcm_pulseaudio"}}},
                   {"KDE",
                    {"kcmshell5", "pavucontrol"},
                    DesktopCommand{"/usr/bin/kcmshell5", {"kcm_pulseaudio"}}},
                   {"ubuntu:GNOME", all, gnome},
                   {"GNOME", {"kcmshell6", "pavucontrol"}, pavucontrol},
                   {"XFCE", all, pavucontrol},
                   {"GNOME", {}, std::nullopt}});
}
