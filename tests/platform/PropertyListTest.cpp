#include "platform/PropertyList.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

using platform::PropertyList;

namespace {

std::optional<PropertyList> parsed(const std::string& body, std::size_t cutAt = 0) {
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n" +
                       body + "\n</plist>\n";
    text.resize(text.size() - cutAt);
    PropertyList::Error error;
    auto list = PropertyList::parse({text.begin(), text.end()}, &error);
    EXPECT_EQ(list.has_value(), error.description.empty()) << error.description;
    return list;
}

} // namespace

// libplist by itself accepts a document that stops before </plist>: a settings file cut
// short must not pass for a whole one. Whitespace after the end is fine.
TEST(PropertyListParse, AcceptsOnlyWholePropertyLists) {
    const std::string dict = "<dict><key>flag</key><true/></dict>";
    EXPECT_EQ(parsed(dict)->boolValue("flag"), true);
    EXPECT_EQ(parsed(dict + "\n\n  \t")->boolValue("flag"), true);
    EXPECT_EQ(parsed(dict, 1)->boolValue("flag"), true);
    for (const std::size_t cut : {std::size_t{9}, std::size_t{20}, std::size_t{40}}) {
        EXPECT_FALSE(parsed(dict, cut).has_value()) << cut;
    }
    EXPECT_FALSE(parsed("").has_value());
    EXPECT_FALSE(PropertyList::parse({'n', 'o', 'p', 'e'}, nullptr).has_value());
}

TEST(PropertyListValues, TypedReadsAnswerOnlyForTheirOwnTypeAtTheTopLevel) {
    const auto list = parsed("<dict><key>flag</key><true/><key>number</key><integer>1</integer>"
                             "<key>text</key><string>1</string><key>ratio</key><real>2.5</real>"
                             "<key>list</key><array><integer>1</integer></array><key>nested</key>"
                             "<dict><key>inner</key><string>deep</string></dict></dict>");
    ASSERT_TRUE(list.has_value());
    for (const std::string key :
         {"flag", "number", "text", "ratio", "list", "nested", "inner", "-"}) {
        EXPECT_EQ(list->boolValue(key), key == "flag" ? std::optional(true) : std::nullopt) << key;
        EXPECT_EQ(list->integerValue(key), key == "number" ? std::optional(1) : std::nullopt)
            << key;
        EXPECT_EQ(list->stringValue(key), key == "text" ? std::optional("1") : std::nullopt) << key;
    }
}
