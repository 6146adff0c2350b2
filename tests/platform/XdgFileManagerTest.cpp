#include "platform/XdgFileManager.h"

#include "support/TemporaryHome.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

// The user's Downloads folder as the XDG user directories name it; the home folder when
// there is none to be found.
TEST(XdgFileManagerTest, DownloadsGoToTheXdgFolderElseHome) {
    TemporaryHome home;
    home.setEnv("HOME", home.path().string());
    const auto userDirs = home.path() / "config" / "user-dirs.dirs";
    std::filesystem::create_directories(home.path() / "Téléchargements");
    const std::pair<std::string, std::filesystem::path> cases[] = {
        {"XDG_DOWNLOAD_DIR=\"$HOME/Téléchargements\"\n", home.path() / "Téléchargements"},
        {"XDG_DOWNLOAD_DIR=\"$HOME/Gone\"\n", home.path()},
        {"", home.path()},
    };
    for (const auto& [contents, expected] : cases) {
        writeFile(userDirs, contents);
        EXPECT_EQ(platform::XdgFileManager().downloadsFolder(), expected) << contents;
    }
}
