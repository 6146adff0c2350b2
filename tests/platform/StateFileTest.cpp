#include "platform/StateFile.h"

#include "BuildConfig.h"
#include "support/CapturedLog.h"
#include "support/TemporaryHome.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;
using platform::StateFile;

namespace {

class StateFileTest : public ::testing::Test {
protected:
    TemporaryHome home;
    CapturedLog log;
    fs::path file = home.path() / "state" / "app" / "state";
    StateFile state{file};
};

} // namespace

// Read afresh by each process; a write keeps other entries and leaves a private file in private
// folders; a value that is not one line is refused.
TEST_F(StateFileTest, EntriesLiveInAPrivateFileThatOtherProcessesRead) {
    EXPECT_EQ(state.value("input"), std::nullopt);
    ASSERT_TRUE(state.setValue("input", "bluez_input.00_11_22_33_44_55.0"));
    EXPECT_EQ(fs::status(file.parent_path()).permissions(), fs::perms::owner_all);
    const std::string pci = "alsa_input.pci-0000_00_1f.3.analog-stereo";
    writeFile(file, "input=old\nfollow-calls=on\n");
    ::chmod(file.c_str(), 0644);
    ASSERT_TRUE(state.setValue("input", pci));
    EXPECT_EQ(StateFile(file).value("input"), pci);
    EXPECT_EQ(readFile(file), "follow-calls=on\ninput=" + pci + "\n");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(log.lines().empty());

    EXPECT_FALSE(state.setValue("input", "two\nlines"));
    EXPECT_EQ(state.value("input"), pci);
    EXPECT_EQ(log.lines(), std::vector<std::string>{"Could not save state to " + file.string() +
                                                    ": the value for input is not one line"});
}

// A file too large, not key=value lines, or not a regular file gives no values and one line
// saying why; the next write replaces it, never what a link points to.
TEST_F(StateFileTest, AnUnusableFileIsIgnoredWithALineAndReplaced) {
    const auto elsewhere = home.path() / "elsewhere";
    writeFile(elsewhere, "input=planted\n");
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[&] { writeFile(file, "input=" + std::string(StateFile::sizeLimit, 'x')); },
         "it is larger than 4096 bytes"},
        {[&] { writeFile(file, "input=builtin\n\nnonsense\n"); }, "line 3 is not key=value"},
        {[&] { writeFile(file, "=builtin\n"); }, "line 1 is not key=value"},
        {[&] { ::mkfifo(file.c_str(), 0600); }, "it is not a regular file"},
        {[&] { fs::create_symlink(elsewhere, file); }, "it is a symbolic link"},
    };
    for (const auto& [plant, why] : cases) {
        SCOPED_TRACE(why);
        fs::remove(file);
        fs::create_directories(file.parent_path());
        plant();
        log.clear();
        EXPECT_EQ(state.value("input"), std::nullopt);
        EXPECT_EQ(log.lines(), std::vector<std::string>{"State file " + file.string() +
                                                        " is unusable (" + why + "); ignoring it"});
        EXPECT_TRUE(state.setValue("input", "builtin"));
        EXPECT_EQ(state.value("input"), "builtin");
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(file)));
    }
    EXPECT_EQ(readFile(elsewhere), "input=planted\n");

    // Where nothing can be written, the write says so.
    StateFile underAFile(elsewhere / "state");
    log.clear();
    EXPECT_FALSE(underAFile.setValue("input", "builtin"));
    ASSERT_EQ(log.lines().size(), 2u);
    EXPECT_TRUE(
        log.lines()[1].starts_with("Could not save state to " + (elsewhere / "state").string()));
}

// $XDG_STATE_HOME, else ~/.local/state: a relative one is invalid and ignored.
TEST(StateFilePathTest, UnderXdgStateHomeElseTheHomeFolder) {
    TemporaryHome home;
    home.setEnv("HOME", home.path().string());
    const fs::path ours = fs::path(std::string(build_config::appId)) / "state";
    EXPECT_EQ(StateFile::defaultPath(), home.path() / "state" / ours);
    home.setEnv("XDG_STATE_HOME", "state");
    EXPECT_EQ(StateFile::defaultPath(), home.path() / ".local/state" / ours);
}
