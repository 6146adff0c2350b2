#include "platform/PlistUserDefaults.h"

#include "support/CapturedLog.h"
#include "support/FileSizeLimit.h"
#include "support/TemporaryHome.h"
#include "support/TestFiles.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <iterator>
#include <limits>
#include <set>

namespace fs = std::filesystem;
using platform::DefaultsValue;
using platform::PlistUserDefaults;
using namespace ::testing;

namespace {

std::set<fs::path> entriesOf(const fs::path& folder) {
    return {fs::directory_iterator(folder), fs::directory_iterator()};
}

class PlistUserDefaultsTest : public ::testing::Test {
protected:
    TemporaryHome home;
    CapturedLog log;
    fs::path folder = home.path() / "prefs";
    fs::path file = folder / "com.example.test.plist";
};

} // namespace

// Comparing variants compares the held type too: true is not 1, and "1" is neither.
TEST_F(PlistUserDefaultsTest, ValuesKeepTheirTypeThroughTheFile) {
    using I = std::int64_t;
    using S = std::string;
    const S text = "Gerät <&> \"ключ\" 音量";
    const DefaultsValue values[] = {true,   false, I{-42}, std::numeric_limits<I>::min(),
                                    S("1"), S(),   text};
    const auto key = [](std::size_t i) { return "Lautstärke ✓ " + std::to_string(i); };
    {
        PlistUserDefaults defaults(file); // a missing file is an empty store
        EXPECT_EQ(defaults.objectForKey(key(0)), std::nullopt);
        for (std::size_t i = 0; i < std::size(values); ++i) {
            if (const auto* b = std::get_if<bool>(&values[i])) {
                defaults.setBool(key(i), *b);
            } else if (const auto* n = std::get_if<std::int64_t>(&values[i])) {
                defaults.setInteger(key(i), *n);
            } else {
                defaults.setObject(key(i), std::get<std::string>(values[i]));
            }
        }
        ASSERT_TRUE(defaults.synchronize());
    }
    PlistUserDefaults reloaded(file);
    for (std::size_t i = 0; i < std::size(values); ++i) {
        EXPECT_EQ(reloaded.objectForKey(key(i)), values[i]) << i;
    }
    // Other readers of the file must see a negative number, not its unsigned bit pattern.
    EXPECT_THAT(readFile(file), HasSubstr("<integer>-42</integer>"));
    reloaded.removeObject(key(0));
    ASSERT_TRUE(reloaded.synchronize());
    EXPECT_EQ(PlistUserDefaults(file).objectForKey(key(0)), std::nullopt);
    EXPECT_TRUE(log.lines().empty());
}

// Each unusable file is moved aside intact under a new name, never over one moved earlier
// (the cases follow each other within the same second), and one line names both paths.
TEST_F(PlistUserDefaultsTest, AnUnusableFileIsMovedAsideAndTheStoreStartsEmpty) {
    const std::string good = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">"
                             "<dict><key>volume</key><integer>7</integer></dict></plist>\n";
    const std::string cases[] = {good.substr(0, good.rfind("</plist>")), good.substr(0, 60), "",
                                 std::string("bplist00\x00\xfe junk", 15),
                                 "<plist version=\"1.0\"><array/></plist>"};
    for (const auto& contents : cases) {
        SCOPED_TRACE(contents);
        writeFile(file, contents);
        const auto before = entriesOf(folder);
        log.clear();
        PlistUserDefaults defaults(file);
        EXPECT_EQ(defaults.objectForKey("volume"), std::nullopt);
        std::vector<fs::path> added;
        std::ranges::set_difference(entriesOf(folder), before, std::back_inserter(added));
        ASSERT_EQ(added.size(), 1U);
        EXPECT_EQ(readFile(added[0]), contents);
        EXPECT_THAT(log.lines(),
                    ElementsAre(AllOf(HasSubstr(file.string()), HasSubstr(added[0].string()))));
        defaults.setInteger("volume", 9);
        ASSERT_TRUE(defaults.synchronize());
        EXPECT_EQ(PlistUserDefaults(file).objectForKey("volume"), DefaultsValue(std::int64_t{9}));
    }
}

// A full disk, also for a write cut short within one buffer (which slips past QSaveFile):
// false, one line, the old file untouched, no leftovers, and the values go out later.
TEST_F(PlistUserDefaultsTest, AWriteThatFailsMidwayLeavesThePreviousFileIntact) {
    for (const std::size_t size : {std::size_t{300}, std::size_t{64 * 1024}}) {
        PlistUserDefaults defaults(file);
        defaults.setObject("name", "before");
        ASSERT_TRUE(defaults.synchronize());
        const auto before = readFile(file);
        defaults.setObject("name", std::string(size, 'y'));
        log.clear();
        {
            FileSizeLimit limit(before.size() + 16);
            EXPECT_FALSE(defaults.synchronize()) << size;
        }
        EXPECT_EQ(log.lines().size(), 1U);
        EXPECT_EQ(readFile(file), before);
        EXPECT_EQ(entriesOf(folder), std::set<fs::path>{file});

        ASSERT_TRUE(defaults.synchronize());
        EXPECT_EQ(PlistUserDefaults(file).objectForKey("name"),
                  DefaultsValue(std::string(size, 'y')));
    }
}
