#include "platform/PlistUserDefaults.h"

#include "support/CapturedLog.h"
#include "support/FileSizeLimit.h"
#include "support/TemporaryHome.h"
#include "support/TestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <set>

namespace fs = std::filesystem;
using platform::DefaultsValue;
using platform::PlistUserDefaults;
using namespace ::testing;

namespace {

const std::string header = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">";

class PlistUserDefaultsTest : public ::testing::Test {
protected:
    std::set<fs::path> filesInFolder() const { return {fs::directory_iterator(folder), {}}; }

    TemporaryHome home;
    CapturedLog log;
    fs::path folder = home.path() / "prefs";
    fs::path file = folder / "com.example.test.plist";
};

} // namespace

// Comparing variants compares the held type too: true is not 1, and "1" is neither. Values of
// other types, and keys below the top level, are not in the store.
TEST_F(PlistUserDefaultsTest, ValuesKeepTheirTypeThroughTheFile) {
    using I = std::int64_t;
    using S = std::string;
    const S text = "Gerät <&> \"ключ\" 音量";
    const DefaultsValue values[] = {true,   false, I{-42}, std::numeric_limits<I>::min(),
                                    S("1"), S(),   text};
    const auto key = [&](std::size_t i) { return text + std::to_string(i); };
    {
        PlistUserDefaults defaults(file); // a missing file is an empty store
        for (std::size_t i = 0; i < std::size(values); ++i) {
            const auto* flag = std::get_if<bool>(&values[i]);
            const auto* number = std::get_if<I>(&values[i]);
            flag     ? defaults.setBool(key(i), *flag)
            : number ? defaults.setInteger(key(i), *number)
                     : defaults.setObject(key(i), std::get<S>(values[i]));
        }
        ASSERT_TRUE(defaults.synchronize());
    }
    PlistUserDefaults reloaded(file);
    for (std::size_t i = 0; i < std::size(values); ++i) {
        EXPECT_EQ(reloaded.objectForKey(key(i)), values[i]) << i;
    }
    // Other readers of the file must see a negative number, not its unsigned bit pattern.
    EXPECT_THAT(readFile(file), HasSubstr("<integer>-42</integer>"));
    EXPECT_TRUE(log.lines().empty());

    writeFile(file, header + "<dict><key>ratio</key><real>2.5</real><key>nested</key><dict>"
                             "<key>inner</key><true/></dict></dict></plist>");
    for (const char* key : {"ratio", "nested", "inner"}) {
        EXPECT_EQ(PlistUserDefaults(file).objectForKey(key), std::nullopt) << key;
    }
}

// Each unusable file is moved aside intact under a new name, never over one moved earlier
// (the cases follow each other within the same second), and one line names both paths.
TEST_F(PlistUserDefaultsTest, AnUnusableFileIsMovedAsideAndTheStoreStartsEmpty) {
    const std::string whole = header + "<dict><key>volume</key><integer>7</integer></dict></plist>";
    for (const std::string& contents :
         {whole.substr(0, whole.rfind("</plist>")), std::string(),
          std::string("bplist00\x00\xfe junk", 15), header + "<array/></plist>"}) {
        SCOPED_TRACE(contents);
        writeFile(file, contents);
        const auto before = filesInFolder();
        log.clear();
        PlistUserDefaults defaults(file);
        EXPECT_EQ(defaults.objectForKey("volume"), std::nullopt);
        std::vector<fs::path> added;
        std::ranges::set_difference(filesInFolder(), before, std::back_inserter(added));
        ASSERT_EQ(added.size(), 1U);
        EXPECT_EQ(readFile(added[0]), contents);
        EXPECT_THAT(log.lines(),
                    ElementsAre(AllOf(HasSubstr(file.string()), HasSubstr(added[0].string()))));
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
        EXPECT_EQ(filesInFolder(), std::set<fs::path>{file});
        ASSERT_TRUE(defaults.synchronize());
        EXPECT_EQ(PlistUserDefaults(file).objectForKey("name"),
                  DefaultsValue(std::string(size, 'y')));
    }
}
