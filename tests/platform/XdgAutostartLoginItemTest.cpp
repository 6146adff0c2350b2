#include "platform/XdgAutostartLoginItem.h"

#include "BuildConfig.h"
#include "support/CapturedLog.h"
#include "support/TemporaryHome.h"
#include "support/TestFiles.h"

#include <QMap>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

namespace fs = std::filesystem;
using platform::LoginItemStatus;
using platform::XdgAutostartLoginItem;
using Command = XdgAutostartLoginItem::Command;

namespace platform {
// Readable failure messages.
static void PrintTo(const XdgAutostartLoginItem::Command& command, std::ostream* out) {
    *out << (QStringList{command.program} + command.arguments).join(' ').toStdString();
}
} // namespace platform

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string execLineOf(const std::string& text) {
    for (const auto& line : linesOf(text)) {
        if (line.rfind("Exec=", 0) == 0) {
            return line;
        }
    }
    return {};
}

XdgAutostartLoginItem::ExecutableFinder finderFor(QMap<QString, QString> installed) {
    return [installed](const QString& name) { return installed.value(name); };
}

class XdgAutostartLoginItemTest : public ::testing::Test {
protected:
    TemporaryHome home;
    CapturedLog log;
    fs::path configHome = home.path() / "config-home";
    std::vector<Command> launched;
    bool launchSucceeds = true;
    QMap<QString, QString> installed;

    XdgAutostartLoginItem item(const QString& executable = "/opt/lumatix/bin/lumatix",
                               const QString& desktop = "KDE") {
        return XdgAutostartLoginItem(
            "lumatix-test", executable, configHome, desktop,
            [this](const Command& command) {
                launched.push_back(command);
                return launchSucceeds;
            },
            finderFor(installed));
    }

    fs::path entry() const { return configHome / "autostart" / "lumatix-test.desktop"; }
};

} // namespace

TEST_F(XdgAutostartLoginItemTest, EntryLivesInTheAutostartFolderUnderTheAppId) {
    EXPECT_EQ(item().entryPath(), entry());
}

TEST_F(XdgAutostartLoginItemTest, StatusFollowsTheEntryFile) {
    EXPECT_EQ(item().status(), LoginItemStatus::notRegistered);

    const std::string head = "[Desktop Entry]\nType=Application\nName=Test\nExec=/bin/true\n";
    const std::pair<std::string, LoginItemStatus> cases[] = {
        {head, LoginItemStatus::enabled},
        {"", LoginItemStatus::enabled},
        {head + "X-GNOME-Autostart-enabled=true\n", LoginItemStatus::enabled},
        {head + "Hidden=false\n", LoginItemStatus::enabled},
        {head + "Hidden=true\n", LoginItemStatus::requiresApproval},
        {head + "Hidden=TRUE\n", LoginItemStatus::requiresApproval},
        {head + "Hidden = true\n", LoginItemStatus::requiresApproval},
        {head + "X-GNOME-Autostart-enabled=false\n", LoginItemStatus::requiresApproval},
        {head + "X-GNOME-Autostart-enabled=False\n", LoginItemStatus::requiresApproval},
        {head + "Hidden=false\nX-GNOME-Autostart-enabled=false\n",
         LoginItemStatus::requiresApproval},
        // Keys are case-sensitive; these are other keys.
        {head + "hidden=true\n", LoginItemStatus::enabled},
        {head + "X-GNOME-Autostart-Enabled=false\n", LoginItemStatus::enabled},
        // Only the [Desktop Entry] group counts, and comments are no keys.
        {head + "#Hidden=true\n", LoginItemStatus::enabled},
        {head + "[Desktop Action quit]\nHidden=true\n", LoginItemStatus::enabled},
        {"[Other]\nHidden=true\n" + head, LoginItemStatus::enabled},
    };
    for (const auto& [contents, expected] : cases) {
        writeFile(entry(), contents);
        EXPECT_EQ(item().status(), expected) << contents;
    }

    fs::remove(entry());
    fs::create_directories(entry()); // present, but not a readable file
    EXPECT_EQ(item().status(), LoginItemStatus::notFound);
}

TEST_F(XdgAutostartLoginItemTest, OpeningWithASettingsPageLaunchesItAndWritesNothing) {
    installed = {{"kcmshell6", "/usr/bin/kcmshell6"}};
    auto loginItem = item();
    loginItem.openSystemSettingsLoginItems();

    EXPECT_EQ(launched, (std::vector<Command>{{"/usr/bin/kcmshell6", {"kcm_autostart"}}}));
    EXPECT_FALSE(fs::exists(entry()));
    EXPECT_EQ(loginItem.status(), LoginItemStatus::notRegistered);
    EXPECT_EQ(log.lines().size(), 1U);
}

TEST_F(XdgAutostartLoginItemTest, OpeningWithoutASettingsPageEnablesTheEntryItself) {
    for (const bool pageInstalled : {false, true}) {
        SCOPED_TRACE(pageInstalled ? "settings page fails to start" : "no settings page");
        fs::remove_all(configHome); // the folders are created as needed
        launched.clear();
        log.clear();
        launchSucceeds = false;
        installed = pageInstalled ? QMap<QString, QString>{{"kcmshell5", "/usr/bin/kcmshell5"}}
                                  : QMap<QString, QString>{};

        auto loginItem = item();
        loginItem.openSystemSettingsLoginItems();

        EXPECT_EQ(launched.size(), pageInstalled ? 1U : 0U);
        EXPECT_EQ(loginItem.status(), LoginItemStatus::enabled);
        const auto lines = linesOf(readFile(entry()));
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front(), "[Desktop Entry]");
        const std::vector<std::string> required = {
            "Type=Application", "Name=" + std::string(build_config::appName),
            "Exec=/opt/lumatix/bin/lumatix", "Terminal=false", "X-GNOME-Autostart-enabled=true"};
        for (const auto& expected : required) {
            EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
        }
        ASSERT_EQ(log.lines().size(), 1U);
        EXPECT_NE(log.lines()[0].find(entry().string()), std::string::npos) << log.lines()[0];
        EXPECT_EQ(entry().parent_path(), configHome / "autostart");
        EXPECT_EQ(std::distance(fs::directory_iterator(configHome / "autostart"),
                                fs::directory_iterator()),
                  1); // no temporary files left behind
    }
}

TEST_F(XdgAutostartLoginItemTest, ADisabledEntryIsSwitchedOnWithItsOtherLinesKept) {
    const std::string before = "# written by hand\n"
                               "[Desktop Entry]\n"
                               "Type=Application\n"
                               "Name=My own name\n"
                               "Exec=/usr/local/bin/lumatix --minimized\n"
                               "Hidden=true\n"
                               "X-GNOME-Autostart-enabled=false\n"
                               "X-GNOME-Autostart-Delay=5\n"
                               "\n"
                               "[Desktop Action quit]\n"
                               "Hidden=true\n";
    writeFile(entry(), before);
    auto loginItem = item("/opt/lumatix/bin/lumatix", "XFCE");
    ASSERT_EQ(loginItem.status(), LoginItemStatus::requiresApproval);
    loginItem.openSystemSettingsLoginItems();

    EXPECT_EQ(loginItem.status(), LoginItemStatus::enabled);
    EXPECT_EQ(readFile(entry()), "# written by hand\n"
                                 "[Desktop Entry]\n"
                                 "Type=Application\n"
                                 "Name=My own name\n"
                                 "Exec=/usr/local/bin/lumatix --minimized\n"
                                 "Hidden=false\n"
                                 "X-GNOME-Autostart-enabled=true\n"
                                 "X-GNOME-Autostart-Delay=5\n"
                                 "\n"
                                 "[Desktop Action quit]\n"
                                 "Hidden=true\n");

    // Hidden alone: the GNOME key is added to the entry's own group.
    writeFile(entry(), "[Desktop Entry]\nExec=/bin/x\nHidden=true\n\n[Other]\nKey=1\n");
    loginItem.openSystemSettingsLoginItems();
    EXPECT_EQ(loginItem.status(), LoginItemStatus::enabled);
    EXPECT_EQ(readFile(entry()), "[Desktop Entry]\nExec=/bin/x\nHidden=false\n"
                                 "X-GNOME-Autostart-enabled=true\n\n[Other]\nKey=1\n");
}

TEST_F(XdgAutostartLoginItemTest, ExecQuotesPathsThatNeedIt) {
    const std::pair<QString, std::string> cases[] = {
        {"/opt/lumatix/bin/lumatix", "Exec=/opt/lumatix/bin/lumatix"},
        {"/home/u/My Apps/lumatix", "Exec=\"/home/u/My Apps/lumatix\""},
        // Inside quotes ", `, $ and \ take a backslash, which is itself escaped in the file.
        {"/opt/a\"b$c/x", R"(Exec="/opt/a\\"b\\$c/x")"},
        {"/opt/back\\slash/x", R"(Exec="/opt/back\\\\slash/x")"},
        // % would start a field code.
        {"/opt/100%/x", "Exec=/opt/100%%/x"},
    };
    for (const auto& [executable, expected] : cases) {
        fs::remove_all(configHome);
        auto loginItem = item(executable, "");
        loginItem.openSystemSettingsLoginItems();
        EXPECT_EQ(execLineOf(readFile(entry())), expected) << executable.toStdString();
    }
}

TEST_F(XdgAutostartLoginItemTest, AnEntryThatCannotBeWrittenIsReportedOnce) {
    writeFile(configHome / "autostart", "a file where the folder should be");
    auto loginItem = item();
    loginItem.openSystemSettingsLoginItems();
    ASSERT_EQ(log.lines().size(), 1U);
    EXPECT_NE(log.lines()[0].find(entry().string()), std::string::npos) << log.lines()[0];
    EXPECT_EQ(readFile(configHome / "autostart"), "a file where the folder should be");
}

TEST(XdgAutostartSettingsCommand, PicksTheDesktopsOwnStartupSettings) {
    const QString kcm6 = "/usr/bin/kcmshell6";
    const QString kcm5 = "/usr/bin/kcmshell5";
    const QString tweaks = "/usr/bin/gnome-tweaks";
    const Command plasma6{kcm6, {"kcm_autostart"}};
    const Command plasma5{kcm5, {"kcm_autostart"}};
    const Command gnomeTweaks{tweaks, {}};
    const QMap<QString, QString> all{
        {"kcmshell6", kcm6}, {"kcmshell5", kcm5}, {"gnome-tweaks", tweaks}};
    const QMap<QString, QString> only5{{"kcmshell5", kcm5}};
    const QMap<QString, QString> onlyTweaks{{"gnome-tweaks", tweaks}};
    const QMap<QString, QString> kdeTools{{"kcmshell5", kcm5}, {"kcmshell6", kcm6}};

    const struct {
        QString desktop;
        QMap<QString, QString> installed;
        std::optional<Command> expected;
    } cases[] = {
        {"KDE", all, plasma6},
        {"KDE", only5, plasma5},
        {"KDE", {}, std::nullopt},
        {"GNOME", all, gnomeTweaks},
        {"ubuntu:GNOME", all, gnomeTweaks},
        {"GNOME-Classic:GNOME", onlyTweaks, gnomeTweaks},
        {"GNOME", {}, std::nullopt},
        // Elsewhere any of them will do, in the same order.
        {"XFCE", all, plasma6},
        {"XFCE", onlyTweaks, gnomeTweaks},
        {"X-Cinnamon", only5, plasma5},
        {"", kdeTools, plasma6},
        {"LXQt", {}, std::nullopt},
        {"", {}, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(XdgAutostartLoginItem::startupSettingsCommand(c.desktop, finderFor(c.installed)),
                  c.expected)
            << c.desktop.toStdString();
    }
}
