#include "platform/PlistUserDefaults.h"

#include "fuzz/StoreFuzzEntry.h"
#include "platform/PropertyList.h"
#include "support/CapturedLog.h"
#include "support/FileSizeLimit.h"
#include "support/TemporaryHome.h"
#include "support/TestFiles.h"

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Types survive (true is not 1, nor "1"); other types and nested keys are not in the store.
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

// Each unusable file is moved aside intact, never over one moved earlier in the same second,
// and one line names both paths.
TEST_F(PlistUserDefaultsTest, AnUnusableFileIsMovedAsideAndTheStoreStartsEmpty) {
    const std::string whole = header + "<dict><key>volume</key><integer>7</integer></dict></plist>";
    const auto nested = [](std::size_t levels) {
        std::string open, close;
        while (--levels > 0) {
            open += "<array>";
            close += "</array>";
        }
        return header + "<dict><key>k</key>" + open + close + "</dict></plist>";
    };
    // Cut off, empty, a NUL in a text (libplist asserts), binary, not a dictionary, too deep,
    // a million levels (which crash libplist) and a valid store padded past the size limit.
    for (const std::string& contents :
         {whole.substr(0, whole.rfind("</plist>")), std::string(),
          header + std::string("<dict><key>k</key><string>a\0b</string></dict></plist>", 53),
          std::string("bplist00\x00\xfe junk", 15), header + "<array/></plist>",
          nested(platform::PropertyList::maxDepth + 1), nested(1000000),
          header + std::string(platform::PropertyList::maxBytes, ' ') +
              "<dict><key>volume</key><integer>7</integer></dict></plist>"}) {
        SCOPED_TRACE(contents.substr(0, 200));
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

// A full disk, also within one buffer (which slips past QSaveFile): false, one line, the old
// file untouched, no leftovers, and the values go out later.
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

// A file that cannot be read (a folder, a FIFO that must not block, no permission: not for
// root) may still hold good answers: it stays as it is, and this run's answers live in memory.
TEST_F(PlistUserDefaultsTest, AFileThatCannotBeReadIsNeitherMovedNorOverwritten) {
    for (const std::string kind : {"folder", "fifo", "unreadable"}) {
        if (kind == "unreadable" && getuid() == 0) {
            continue;
        }
        SCOPED_TRACE(kind);
        fs::remove_all(folder);
        fs::create_directories(folder);
        if (kind == "folder") {
            fs::create_directories(file / "inside");
        } else if (kind == "fifo") {
            ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
        } else {
            writeFile(file,
                      header + "<dict><key>EULAStatus</key><integer>1</integer></dict></plist>");
            fs::permissions(file, fs::perms::none);
        }
        const auto before = filesInFolder();
        log.clear();
        PlistUserDefaults defaults(file);
        defaults.setInteger("EULAStatus", 1);
        EXPECT_EQ(defaults.objectForKey("EULAStatus"), DefaultsValue(std::int64_t{1}));
        EXPECT_FALSE(defaults.synchronize());
        EXPECT_EQ(filesInFolder(), before);
        EXPECT_EQ(fs::is_directory(file), kind == "folder");
        EXPECT_EQ(fs::is_fifo(file), kind == "fifo");
        EXPECT_THAT(log.lines(), ElementsAre(AllOf(HasSubstr("cannot be read"),
                                                   HasSubstr("leaving the file as it is")),
                                             HasSubstr("Settings not saved")));
        if (kind == "unreadable") {
            fs::permissions(file, fs::perms::owner_all, fs::perm_options::add);
        }
    }
}

// A new store and its folder are private; a mode the user opened up stays; a linked store (a
// dotfile manager's) is written through and stays a link.
TEST_F(PlistUserDefaultsTest, NewFilesArePrivateAndALinkedStoreIsWrittenThrough) {
    ::umask(022);
    const auto modeOf = [](const fs::path& path) {
        struct stat info {};
        ::stat(path.c_str(), &info);
        return info.st_mode & 0777;
    };
    PlistUserDefaults fresh(file);
    fresh.setBool("isFirstLaunch", false);
    ASSERT_TRUE(fresh.synchronize());
    EXPECT_EQ(modeOf(file), 0600U);
    EXPECT_EQ(modeOf(folder), 0700U);
    fs::permissions(file, fs::perms::group_read, fs::perm_options::add);
    fresh.setBool("isFirstLaunch", true);
    ASSERT_TRUE(fresh.synchronize());
    EXPECT_EQ(modeOf(file), 0640U);

    const auto target = home.path() / "dotfiles" / "lumatix.plist";
    writeFile(target, readFile(file));
    fs::remove(file);
    fs::create_symlink(target, file);
    PlistUserDefaults linked(file);
    EXPECT_EQ(linked.objectForKey("isFirstLaunch"), DefaultsValue(true));
    linked.setObject("DeviceUniqueID", "id");
    ASSERT_TRUE(linked.synchronize());
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(PlistUserDefaults(target).objectForKey("DeviceUniqueID"),
              DefaultsValue(std::string("id")));
    EXPECT_EQ(filesInFolder(), std::set<fs::path>{file});
}

// The next save removes a killed writer's temporary files, never a live writer's or others.
TEST_F(PlistUserDefaultsTest, TemporaryFilesOfAKilledWriterGoAtTheNextSave) {
    const auto beside = [&](const std::string& name) { return folder / name; };
    const std::vector<fs::path> dead{beside(".com.example.test.plist.tmp-a1B2c3"),
                                     beside(".com.example.test.plist.tmp-zzzzzz")};
    const std::vector<fs::path> kept{beside(".com.example.test.plist.tmp-live01"),
                                     beside(".com.example.test.plist.backup"),
                                     beside(".com.example.test.plist.tmp-toolong"),
                                     beside(".other.plist.tmp-a1B2c3"), beside("notes")};
    for (const auto& path : dead) {
        writeFile(path, "half");
    }
    for (const auto& path : kept) {
        writeFile(path, "keep");
    }
    const int live = ::open(kept[0].c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(live, LOCK_EX), 0);
    PlistUserDefaults defaults(file);
    defaults.setBool("isFirstLaunch", false);
    ASSERT_TRUE(defaults.synchronize());
    ::close(live);
    std::set<fs::path> expected(kept.begin(), kept.end());
    expected.insert(file);
    EXPECT_EQ(filesInFolder(), expected);
}

// The depth counted before libplist reads a text is never under its own: hidden closings miss.
TEST(PropertyListTest, NestingDepthIsNeverUnderCounted) {
    const std::vector<std::pair<std::string, std::size_t>> rows{
        {"<plist><dict><key>a</key><array><true/></array></dict></plist>", 2},
        {"<plist><array/><dict/><array ></array></plist>", 1},
        {"<plist><array>\n<dict\n><key>x</key><array/></dict></array></plist>", 2},
        {"<plist><array><!-- </array> --><array></array></array></plist>", 2},
        {"<plist><array><!-- <array> --></array></plist>", 2},
        {"<plist><array><![CDATA[</array>]]><array/></array></plist>", 1},
        {"<plist><array><![CDATA[</array>]]><array></array></array></plist>", 2},
        {"<plist><arrays><dictionary></plist>", 0},
        {"<plist><array><array><array", 3},
        {"</array></array><array></plist>", 1},
    };
    for (const auto& [xml, depth] : rows) {
        EXPECT_EQ(platform::PropertyList::nestingDepth(xml), depth) << xml;
    }
}

// Every settings file the fuzzer kept stays handled (the fuzzer run on them names a failing one).
TEST(StoreCorpusTest, EveryStoredInputIsHandled) {
    std::size_t inputs = 0;
    for (const auto& entry : fs::directory_iterator(LUMATIX_STORE_CORPUS_DIR)) {
        const std::string bytes = readFile(entry.path());
        fuzzStoreReading(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ++inputs;
    }
    EXPECT_GT(inputs, 0U);
}
