#include "platform/XdgAutostartLoginItem.h"

#include "support/CapturedLog.h"
#include "support/FileSizeLimit.h"
#include "support/TemporaryHome.h"
#include "support/TestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;
using platform::LoginItemStatus;
using platform::XdgAutostartLoginItem;
using namespace ::testing;

namespace {

class XdgAutostartLoginItemTest : public ::testing::Test {
protected:
    XdgAutostartLoginItem item() {
        return XdgAutostartLoginItem("lumatix-test", "/home/u/My Apps/100%/lumatix", home.path());
    }

    TemporaryHome home;
    CapturedLog log;
    fs::path entry = home.path() / "autostart" / "lumatix-test.desktop";
};

} // namespace

TEST_F(XdgAutostartLoginItemTest, StatusFollowsTheEntryFile) {
    using enum LoginItemStatus;
    EXPECT_EQ(item().status(), notRegistered);
    const std::string ours = "Exec=\"/home/u/My Apps/100%%/lumatix\"\n";
    const std::string head = "[Desktop Entry]\nType=Application\n" + ours;
    // Only [Desktop Entry] keys count, comments are none; another program's entry is not ours.
    const std::pair<std::string, LoginItemStatus> cases[] = {
        {head, enabled},
        {"[Desktop Entry]\nExec=/opt/old/lumatix\n", notRegistered},
        {head + "Exec=/opt/old/lumatix\n", notRegistered},
        {"[Desktop Entry]\nType=Application\n[Other]\n" + ours, notRegistered},
        {head + "Hidden=false\nX-GNOME-Autostart-enabled=true\n", enabled},
        {head + "Hidden=true\n", requiresApproval},
        {head + "X-GNOME-Autostart-enabled=false\n", requiresApproval},
        {head + "#Hidden=true\n", enabled},
        {head + "[Desktop Action quit]\nHidden=true\n", enabled},
        {"[Other]\nX-GNOME-Autostart-enabled=false\n" + head, enabled}};
    for (const auto& [contents, expected] : cases) {
        writeFile(entry, contents);
        EXPECT_EQ(item().status(), expected) << contents;
    }
    fs::remove(entry);
    fs::create_directories(entry); // there, but not a readable file
    EXPECT_EQ(item().status(), notFound);
}

// Rewritten in place of the old one: a full disk leaves the old entry whole. Switched on, an
// entry of another program starts this one; a new entry is private, its path quoted, % doubled.
TEST_F(XdgAutostartLoginItemTest, EnablingWritesOrSwitchesOnAnEntryKeepingItsOtherLines) {
    ::umask(022);
    const std::string before = "# written by hand\n[Desktop Entry]\nExec=/opt/x --min\n"
                               "Hidden=true\nX-GNOME-Autostart-enabled=false\nX-Delay=5\n\n"
                               "[Desktop Action quit]\nHidden=true\n";
    writeFile(entry, before);
    auto loginItem = item();
    {
        FileSizeLimit fullDisk(16);
        EXPECT_FALSE(loginItem.enable());
    }
    EXPECT_EQ(readFile(entry), before);
    EXPECT_EQ(log.lines().size(), 1U);
    EXPECT_EQ(filesIn(entry.parent_path()).size(), 1U);
    EXPECT_EQ(loginItem.status(), LoginItemStatus::notRegistered);
    EXPECT_TRUE(loginItem.enable());
    EXPECT_EQ(loginItem.status(), LoginItemStatus::enabled);
    const std::string ours = "Exec=\"/home/u/My Apps/100%%/lumatix\"\n";
    EXPECT_EQ(readFile(entry), "# written by hand\n[Desktop Entry]\n" + ours +
                                   "Hidden=false\nX-GNOME-Autostart-enabled=true\nX-Delay=5\n\n"
                                   "[Desktop Action quit]\nHidden=true\n");
    // Switched off again, the entry stays (it also hides one the system may install).
    EXPECT_TRUE(loginItem.disable());
    EXPECT_EQ(loginItem.status(), LoginItemStatus::requiresApproval);
    EXPECT_EQ(readFile(entry), "# written by hand\n[Desktop Entry]\n" + ours +
                                   "Hidden=true\nX-GNOME-Autostart-enabled=false\nX-Delay=5\n\n"
                                   "[Desktop Action quit]\nHidden=true\n");
    fs::remove(entry);
    EXPECT_TRUE(loginItem.disable());
    EXPECT_FALSE(fs::exists(entry));
    EXPECT_TRUE(loginItem.enable());
    EXPECT_EQ(loginItem.status(), LoginItemStatus::enabled);
    EXPECT_THAT(readFile(entry),
                AllOf(StartsWith("[Desktop Entry]\n"), HasSubstr("\nType=Application\n"),
                      HasSubstr("\nName="), HasSubstr("\n" + ours), HasSubstr("\nIcon=")));
    EXPECT_EQ(filesIn(entry.parent_path()).size(), 1U);
    EXPECT_EQ(fs::status(entry).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}
