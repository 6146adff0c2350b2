#include "platform/XdgDesktopSettings.h"

#include <gtest/gtest.h>

using platform::DesktopCommand;
using platform::XdgDesktopSettings;
using Installed = QStringList;

namespace {

using Case = std::tuple<QString, Installed, std::optional<DesktopCommand>>;

// Opens a page on each case's desktop with its programs installed; checks what was started.
void expectStarted(bool (XdgDesktopSettings::*open)(), const std::vector<Case>& cases) {
    for (const auto& [desktop, installed, expected] : cases) {
        std::optional<DesktopCommand> launched;
        const auto launch = [&](const DesktopCommand& command) { return launched = command, true; };
        const auto find = [&](const QString& name) {
            return installed.contains(name) ? "/usr/bin/" + name : QString();
        };
        XdgDesktopSettings settings(desktop, launch, find);
        EXPECT_EQ((settings.*open)(), bool(expected));
        EXPECT_EQ(launched, expected)
            << desktop.toStdString() << " " << installed.join(' ').toStdString();
    }
}

} // namespace

TEST(XdgDesktopSettingsTest, OpensTheBluetoothAndMicrophonePagesOfTheDesktopInUseIfAny) {
    const Installed all{"gnome-control-center", "kcmshell6", "kcmshell5", "blueman-manager",
                        "pavucontrol"};
    expectStarted(
        &XdgDesktopSettings::openBluetoothSettings,
        {{"KDE", all, DesktopCommand{"/usr/bin/kcmshell6", {"kcm_bluetooth"}}},
         {"KDE", {"kcmshell5"}, DesktopCommand{"/usr/bin/kcmshell5", {"kcm_bluetooth"}}},
         {"ubuntu:GNOME", all, DesktopCommand{"/usr/bin/gnome-control-center", {"bluetooth"}}},
         {"XFCE", all, DesktopCommand{"/usr/bin/blueman-manager", {}}},
         {"GNOME", {}, std::nullopt}});
    const DesktopCommand gnome{"/usr/bin/gnome-control-center", {"microphone"}};
    const DesktopCommand pavucontrol{"/usr/bin/pavucontrol", {"--tab=4"}};
    expectStarted(&XdgDesktopSettings::openMicrophoneSettings,
                  {{"KDE", all, DesktopCommand{"/usr/bin/kcmshell6", {"kcm_pulseaudio"}}},
                   {"KDE",
                    {"kcmshell5", "pavucontrol"},
                    DesktopCommand{"/usr/bin/kcmshell5", {"kcm_pulseaudio"}}},
                   {"ubuntu:GNOME", all, gnome},
                   {"GNOME", {"kcmshell6", "pavucontrol"}, pavucontrol},
                   {"XFCE", all, pavucontrol},
                   {"GNOME", {}, std::nullopt}});
}
