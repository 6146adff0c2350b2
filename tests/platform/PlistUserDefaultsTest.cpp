#include "platform/PlistUserDefaults.h"

#include "BuildConfig.h"
#include "platform/PropertyList.h"
#include "support/CapturedLog.h"
#include "support/FileSizeLimit.h"
#include "support/TemporaryHome.h"
#include "support/TestFiles.h"

#include <QDateTime>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <limits>
#include <map>
#include <type_traits>
#include <variant>

namespace fs = std::filesystem;
using platform::DefaultsValue;
using platform::PlistUserDefaults;

namespace {

std::vector<fs::path> entriesOf(const fs::path& folder) {
    std::vector<fs::path> entries;
    for (const auto& entry : fs::directory_iterator(folder)) {
        entries.push_back(entry.path());
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

std::string document(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n" + body +
           "\n</plist>\n";
}

bool parsesAsDictionary(const std::string& text) {
    const auto list = platform::PropertyList::parse({text.begin(), text.end()}, nullptr);
    return list && list->isDictionary();
}

class PlistUserDefaultsTest : public ::testing::Test {
protected:
    TemporaryHome home;
    CapturedLog log;
    fs::path folder = home.path() / "prefs";
    fs::path file = folder / "com.example.test.plist";
};

} // namespace

TEST_F(PlistUserDefaultsTest, AMissingFileIsAnEmptyStoreAndNothingIsSaid) {
    PlistUserDefaults defaults(file);
    EXPECT_EQ(defaults.path(), file);
    EXPECT_EQ(defaults.objectForKey("anything"), std::nullopt);
    EXPECT_TRUE(log.lines().empty());
    EXPECT_FALSE(fs::exists(folder));
}

TEST_F(PlistUserDefaultsTest, ValuesKeepTheirTypeThroughTheFile) {
    const std::string longValue(100000, 'x');
    const std::pair<std::string, DefaultsValue> values[] = {
        {"on", true},
        {"off", false},
        {"one", std::int64_t{1}},
        {"zero", std::int64_t{0}},
        {"negative", std::int64_t{-42}},
        {"smallest", std::numeric_limits<std::int64_t>::min()},
        {"largest", std::numeric_limits<std::int64_t>::max()},
        {"textOne", std::string("1")},
        {"textTrue", std::string("true")},
        {"empty", std::string()},
        {"Lautstärke ✓ 音量", std::string("Gerät <&> \"ключ\"")},
        {"long", longValue + "é"},
    };
    {
        PlistUserDefaults defaults(file);
        for (const auto& [key, value] : values) {
            std::visit(
                [&, &key = key](const auto& v) {
                    using T = std::decay_t<decltype(v)>;
                    if constexpr (std::is_same_v<T, bool>) {
                        defaults.setBool(key, v);
                    } else if constexpr (std::is_same_v<T, std::int64_t>) {
                        defaults.setInteger(key, v);
                    } else {
                        defaults.setObject(key, v);
                    }
                },
                value);
        }
        ASSERT_TRUE(defaults.synchronize());
    }
    PlistUserDefaults reloaded(file);
    for (const auto& [key, value] : values) {
        // Comparing variants compares the held type too: true is not 1, "1" is not 1.
        EXPECT_EQ(reloaded.objectForKey(key), value) << key;
    }
    EXPECT_TRUE(log.lines().empty());
}

TEST_F(PlistUserDefaultsTest, ChangesReachTheFileOnlyOnSynchronize) {
    {
        PlistUserDefaults defaults(file);
        defaults.setBool("kept", true);
        defaults.setInteger("dropped", 5);
        ASSERT_TRUE(defaults.synchronize());
    }
    {
        PlistUserDefaults defaults(file);
        defaults.removeObject("dropped");
        defaults.setObject("kept", "replaced");
        EXPECT_EQ(defaults.objectForKey("kept"), DefaultsValue(std::string("replaced")));
        EXPECT_EQ(defaults.objectForKey("dropped"), std::nullopt);
    } // not synchronized
    {
        PlistUserDefaults defaults(file);
        EXPECT_EQ(defaults.objectForKey("kept"), DefaultsValue(true));
        EXPECT_EQ(defaults.objectForKey("dropped"), DefaultsValue(std::int64_t{5}));
        defaults.removeObject("dropped");
        ASSERT_TRUE(defaults.synchronize());
    }
    EXPECT_EQ(PlistUserDefaults(file).objectForKey("dropped"), std::nullopt);
    // Only the settings file itself is left in the folder, no temporary files.
    EXPECT_EQ(entriesOf(folder), std::vector<fs::path>{file});
}

TEST_F(PlistUserDefaultsTest, EntriesOfOtherKindsAreHiddenButKeptOnRewrite) {
    writeFile(file, document(R"(<dict>
	<key>history</key><array><string>a</string><integer>2</integer></array>
	<key>lastSeen</key><date>2021-06-07T08:09:10Z</date>
	<key>token</key><data>AAH/</data>
	<key>window</key><dict><key>x</key><integer>10</integer></dict>
	<key>scale</key><real>1.25</real>
	<key>count</key><integer>3</integer>
</dict>)"));
    {
        PlistUserDefaults defaults(file);
        for (const char* key : {"history", "lastSeen", "token", "window", "scale"}) {
            EXPECT_EQ(defaults.objectForKey(key), std::nullopt) << key;
        }
        EXPECT_EQ(defaults.objectForKey("count"), DefaultsValue(std::int64_t{3}));
        defaults.setInteger("count", 4);
        ASSERT_TRUE(defaults.synchronize());
    }
    const auto text = readFile(file);
    for (const char* kept :
         {"<key>history</key>", "<string>a</string>", "<integer>2</integer>",
          "<date>2021-06-07T08:09:10Z</date>", "AAH/", "<key>window</key>", "<integer>10</integer>",
          "<real>1.25</real>", "<integer>4</integer>"}) {
        EXPECT_NE(text.find(kept), std::string::npos) << kept << "\n" << text;
    }
    EXPECT_TRUE(log.lines().empty());
}

TEST_F(PlistUserDefaultsTest, AnUnusableFileIsMovedAsideIntactAndTheStoreStartsEmpty) {
    const std::string good = document("<dict><key>volume</key><integer>7</integer></dict>");
    const std::pair<const char*, std::string> cases[] = {
        {"garbage", "this is not a property list at all"},
        {"cut before </plist>", good.substr(0, good.rfind("</plist>"))},
        {"cut in the middle", good.substr(0, good.size() / 2)},
        {"empty file", ""},
        {"binary junk", std::string("bplist00\x00\x01\xfe\xff junk", 17)},
        {"array root", document("<array><integer>7</integer></array>")},
        {"text root", document("<string>volume</string>")},
    };
    for (const auto& [name, contents] : cases) {
        SCOPED_TRACE(name);
        fs::remove_all(folder);
        writeFile(file, contents);
        log.clear();

        PlistUserDefaults defaults(file);
        EXPECT_EQ(defaults.objectForKey("volume"), std::nullopt);
        EXPECT_FALSE(fs::exists(file));
        const auto entries = entriesOf(folder);
        ASSERT_EQ(entries.size(), 1U);
        const fs::path moved = entries.front();
        EXPECT_EQ(moved.filename().string().rfind(file.filename().string() + ".corrupt-", 0), 0U)
            << moved;
        EXPECT_EQ(readFile(moved), contents);

        const auto lines = log.lines();
        ASSERT_EQ(lines.size(), 1U);
        EXPECT_NE(lines[0].find(file.string()), std::string::npos) << lines[0];
        EXPECT_NE(lines[0].find(moved.string()), std::string::npos) << lines[0];

        // The next save writes a fresh, good file and leaves the moved one alone.
        defaults.setInteger("volume", 9);
        ASSERT_TRUE(defaults.synchronize());
        EXPECT_TRUE(parsesAsDictionary(readFile(file)));
        EXPECT_EQ(readFile(moved), contents);
        EXPECT_EQ(PlistUserDefaults(file).objectForKey("volume"), DefaultsValue(std::int64_t{9}));
        EXPECT_EQ(log.lines().size(), 1U);
    }
}

TEST_F(PlistUserDefaultsTest, AFolderInPlaceOfTheFileIsMovedAsideWithItsContents) {
    fs::create_directories(file);
    writeFile(file / "inside.txt", "keep me");

    PlistUserDefaults defaults(file);
    EXPECT_EQ(log.lines().size(), 1U);
    const auto entries = entriesOf(folder);
    ASSERT_EQ(entries.size(), 1U);
    EXPECT_EQ(readFile(entries.front() / "inside.txt"), "keep me");
    defaults.setBool("ok", true);
    EXPECT_TRUE(defaults.synchronize());
}

TEST_F(PlistUserDefaultsTest, MovingAsideNeverOverwritesAnEarlierMovedFile) {
    // Earlier moved files under every name the current time could produce, and a first
    // corruption moved for real.
    std::map<fs::path, std::string> earlier;
    const auto now = QDateTime::currentDateTime();
    for (int offset = -2; offset <= 5; ++offset) {
        const auto stamp = now.addSecs(offset).toString("yyyyMMdd-HHmmss").toStdString();
        const auto path = folder / (file.filename().string() + ".corrupt-" + stamp);
        earlier[path] = "earlier " + stamp;
        writeFile(path, earlier[path]);
    }
    writeFile(file, "first corruption");
    { PlistUserDefaults first(file); }
    writeFile(file, "second corruption");
    { PlistUserDefaults second(file); }

    std::vector<std::string> movedContents;
    for (const auto& entry : entriesOf(folder)) {
        if (const auto found = earlier.find(entry); found != earlier.end()) {
            EXPECT_EQ(readFile(entry), found->second) << entry;
        } else {
            movedContents.push_back(readFile(entry));
        }
    }
    std::sort(movedContents.begin(), movedContents.end());
    EXPECT_EQ(movedContents, (std::vector<std::string>{"first corruption", "second corruption"}));
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(log.lines().size(), 2U);
}

TEST_F(PlistUserDefaultsTest, AFailedSaveReturnsFalseSaysSoOnceAndChangesNothing) {
    // A file where the folder should be.
    {
        const fs::path blocker = home.path() / "blocker";
        writeFile(blocker, "not a folder");
        PlistUserDefaults defaults(blocker / "settings.plist");
        defaults.setBool("a", true);
        log.clear();
        EXPECT_FALSE(defaults.synchronize());
        EXPECT_EQ(log.lines().size(), 1U);
        EXPECT_EQ(readFile(blocker), "not a folder");
        EXPECT_EQ(defaults.objectForKey("a"), DefaultsValue(true));
    }
    // A folder where the file should be, created after loading.
    {
        PlistUserDefaults defaults(file);
        defaults.setBool("a", true);
        fs::create_directories(file);
        writeFile(file / "inside.txt", "keep me");
        log.clear();
        EXPECT_FALSE(defaults.synchronize());
        ASSERT_EQ(log.lines().size(), 1U);
        EXPECT_NE(log.lines()[0].find(file.string()), std::string::npos) << log.lines()[0];
        EXPECT_EQ(readFile(file / "inside.txt"), "keep me");
        EXPECT_EQ(entriesOf(folder), std::vector<fs::path>{file});
    }
}

// Small writes matter too: a write cut short within one buffer is what slips past QSaveFile.
TEST_F(PlistUserDefaultsTest, AWriteThatFailsMidwayLeavesThePreviousFileIntact) {
    for (const std::size_t size : {std::size_t{300}, std::size_t{64 * 1024}}) {
        PlistUserDefaults defaults(file);
        defaults.setObject("name", "before");
        ASSERT_TRUE(defaults.synchronize());
        const auto before = readFile(file);

        defaults.setObject("name", std::string(size, 'y'));
        {
            FileSizeLimit limit(before.size() + 16);
            log.clear();
            EXPECT_FALSE(defaults.synchronize()) << size;
        }
        EXPECT_EQ(log.lines().size(), 1U);
        EXPECT_EQ(readFile(file), before);
        EXPECT_EQ(entriesOf(folder), std::vector<fs::path>{file});

        // The values are still in memory and go out with the next save that works.
        ASSERT_TRUE(defaults.synchronize());
        EXPECT_EQ(PlistUserDefaults(file).objectForKey("name"),
                  DefaultsValue(std::string(size, 'y')));
    }
}

TEST_F(PlistUserDefaultsTest, DefaultPathFollowsXdgConfigHomeOrFallsBackToHome) {
    const auto tail = fs::path(std::string(build_config::appId)) /
                      (std::string(build_config::bundleIdentifier) + ".plist");
    home.setEnv("HOME", (home.path() / "house").string());

    home.setEnv("XDG_CONFIG_HOME", (home.path() / "xdg").string());
    EXPECT_EQ(PlistUserDefaults::defaultPath(), home.path() / "xdg" / tail);

    for (const auto& unusable : {std::optional<std::string>(), std::optional<std::string>("")}) {
        home.setEnv("XDG_CONFIG_HOME", unusable);
        EXPECT_EQ(PlistUserDefaults::defaultPath(), home.path() / "house" / ".config" / tail);
    }
}
