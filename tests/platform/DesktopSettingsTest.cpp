#include "platform/DesktopSettings.h"
#include "support/CapturedLog.h"

#include <gtest/gtest.h>
#include <set>

using platform::DesktopCommand;
using platform::DesktopSettings;

namespace {

DesktopCommand::ExecutableFinder installed(std::set<QString> programs) {
    return [programs](const QString& name) {
        return programs.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
    };
}

} // namespace

TEST(DesktopSettingsTest, BluetoothPageOfTheDesktopInUseComesFirst) {
    const auto all = installed({"gnome-control-center", "kcmshell6", "kcmshell5", "blueman-manager"});
    EXPECT_EQ(DesktopSettings::bluetoothSettingsCommand("KDE", all),
              (DesktopCommand{"/usr/bin/kcmshell6", {"kcm_bluetooth"}}));
    EXPECT_EQ(DesktopSettings::bluetoothSettingsCommand("ubuntu:GNOME", all),
              (DesktopCommand{"/usr/bin/gnome-control-center", {"bluetooth"}}));
    EXPECT_EQ(DesktopSettings::bluetoothSettingsCommand("XFCE", all),
              (DesktopCommand{"/usr/bin/blueman-manager", {}}));
    EXPECT_EQ(DesktopSettings::bluetoothSettingsCommand(
                  "KDE", installed({"kcmshell5", "gnome-control-center"})),
              (DesktopCommand{"/usr/bin/kcmshell5", {"kcm_bluetooth"}}));
    EXPECT_EQ(DesktopSettings::bluetoothSettingsCommand("GNOME", installed({})), std::nullopt);
}

TEST(DesktopSettingsTest, OpeningWithoutAnySettingsSaysSoAndFails) {
    CapturedLog log;
    std::vector<DesktopCommand> launched;
    const auto record = [&](const DesktopCommand& command) {
        launched.push_back(command);
        return true;
    };
    EXPECT_FALSE(DesktopSettings("GNOME", record, installed({})).openBluetoothSettings());
    EXPECT_EQ(log.lines().size(), 1u);
    EXPECT_TRUE(launched.empty());

    EXPECT_TRUE(DesktopSettings("GNOME", record, installed({"blueman-manager"}))
                    .openBluetoothSettings());
    EXPECT_EQ(launched, (std::vector<DesktopCommand>{{"/usr/bin/blueman-manager", {}}}));
}
