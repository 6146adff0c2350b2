#include "platform/DesktopSettings.h"

#include <gtest/gtest.h>

using platform::DesktopCommand;
using platform::DesktopSettings;
using Installed = QStringList;

TEST(DesktopSettingsTest, OpensTheBluetoothPageOfTheDesktopInUseIfAny) {
    const Installed all{"gnome-control-center", "kcmshell6", "kcmshell5", "blueman-manager"};
    const std::tuple<QString, Installed, std::optional<DesktopCommand>> cases[] = {
        {"KDE", all, DesktopCommand{"/usr/bin/kcmshell6", {"kcm_bluetooth"}}},
        {"KDE", {"kcmshell5"}, DesktopCommand{"/usr/bin/kcmshell5", {"kcm_bluetooth"}}},
        {"ubuntu:GNOME", all, DesktopCommand{"/usr/bin/gnome-control-center", {"bluetooth"}}},
        {"XFCE", all, DesktopCommand{"/usr/bin/blueman-manager", {}}},
        {"GNOME", {}, std::nullopt}};
    for (const auto& [desktop, installed, expected] : cases) {
        std::optional<DesktopCommand> launched;
        const auto launch = [&](const DesktopCommand& command) { return launched = command, true; };
        const auto find = [&](const QString& name) {
            return installed.contains(name) ? "/usr/bin/" + name : QString();
        };
        EXPECT_EQ(DesktopSettings(desktop, launch, find).openBluetoothSettings(), bool(expected));
        EXPECT_EQ(launched, expected) << desktop.toStdString();
    }
}
