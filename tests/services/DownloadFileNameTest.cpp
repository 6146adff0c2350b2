#include "update/DownloadFileName.h"

#include <gtest/gtest.h>

// The server names the version; whatever it sends, the file stays in Downloads under a plain
// name, and takes the link's own extension when it is a package type's.
TEST(DownloadFileNameTest, VersionNamesAreMadeHarmlessAndTheLinkGivesTheExtension) {
    const std::string long100(100, '7');
    const std::pair<std::pair<std::string, std::string>, std::string> cases[] = {
        {{"1.2.0", "https://x.example/pkg/lumatix_1.2.0_amd64.deb"},
         "Lumatix_Connection_Assistant_1.2.0.deb"},
        {{"", "https://x.example/Lumatix.AppImage?token=a.b#c.d"},
         "Lumatix_Connection_Assistant_.AppImage"},
        {{"2.0-beta_1", "https://x.example/a/lumatix-2.0.tar.gz"},
         "Lumatix_Connection_Assistant_2.0-beta_1.tar.gz"},
        // Paths, hidden files and shell characters go.
        {{"../../.config/autostart/x", "https://x.example/u.deb"},
         "Lumatix_Connection_Assistant__.._.config_autostart_x.deb"},
        {{"...hidden", "https://x.example/u.rpm"}, "Lumatix_Connection_Assistant_hidden.rpm"},
        {{"1.0 $(rm -rf ~);`x`", "https://x.example/u"},
         "Lumatix_Connection_Assistant_1.0___rm_-rf_____x_"},
        {{"版本 1", "https://x.example/dir.d/file"},
         "Lumatix_Connection_Assistant_" + std::string(7, '_') + "1"},
        {{long100, "https://x.example/u.deb"},
         "Lumatix_Connection_Assistant_" + std::string(64, '7') + ".deb"},
        // Only package types keep their extension (in their own spelling); scripts, desktop
        // entries and the rest lose it, as do a bare extension and escaped characters.
        {{"1", "https://x.example/A.DEB"}, "Lumatix_Connection_Assistant_1.deb"},
        {{"1", "https://x.example/a.x86_64.rpm"}, "Lumatix_Connection_Assistant_1.rpm"},
        {{"1", "https://x.example/a.flatpak"}, "Lumatix_Connection_Assistant_1.flatpak"},
        {{"1", "https://x.example/a.tar.ZST"}, "Lumatix_Connection_Assistant_1.tar.zst"},
        {{"1", "https://x.example/install.sh"}, "Lumatix_Connection_Assistant_1"},
        {{"1", "https://x.example/a.desktop"}, "Lumatix_Connection_Assistant_1"},
        {{"1", "https://x.example/a.gz"}, "Lumatix_Connection_Assistant_1"},
        {{"1", "https://x.example/a.deb/"}, "Lumatix_Connection_Assistant_1"},
        {{"1", "https://x.example"}, "Lumatix_Connection_Assistant_1"},
        {{"1", "https://x.example/pkg/.deb"}, "Lumatix_Connection_Assistant_1"},
        {{"1", "https://x.example/u.d%2Eeb"}, "Lumatix_Connection_Assistant_1"},
        {{"1", "https://x.example/Lumatix U 1.2.dmg"}, "Lumatix_Connection_Assistant_1"},
    };
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(DownloadFileName::make(input.first, input.second), expected) << input.first;
    }
    // Further copies, for when a link or another user's file has the name.
    EXPECT_EQ(DownloadFileName::make("1.2", "https://x.example/a.tar.gz", 2),
              "Lumatix_Connection_Assistant_1.2 (2).tar.gz");
    EXPECT_EQ(DownloadFileName::make("1.2", "https://x.example/a", 1),
              "Lumatix_Connection_Assistant_1.2 (1)");
}
