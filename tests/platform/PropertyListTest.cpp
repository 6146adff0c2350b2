#include "platform/PropertyList.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

using platform::PropertyList;

namespace {

std::vector<char> bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

std::vector<char> fromHex(const std::string& hex) {
    std::vector<char> out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        out.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    }
    return out;
}

std::string document(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\">\n" +
           body + "\n</plist>\n";
}

// One entry of every kind, including kinds the typed reads never hand out.
const std::string everyKind = document(R"(<dict>
	<key>flag</key>
	<true/>
	<key>number</key>
	<integer>1</integer>
	<key>text</key>
	<string>1</string>
	<key>ratio</key>
	<real>2.5</real>
	<key>when</key>
	<date>2020-01-02T03:04:05Z</date>
	<key>blob</key>
	<data>AAH/</data>
	<key>list</key>
	<array><string>a</string><integer>7</integer></array>
	<key>nested</key>
	<dict><key>inner</key><string>deep</string></dict>
</dict>)");

PropertyList parsed(const std::string& text) {
    PropertyList::Error error;
    auto list = PropertyList::parse(bytes(text), &error);
    EXPECT_TRUE(list.has_value()) << error.description;
    return list ? std::move(*list) : PropertyList();
}

PropertyList roundTripped(const PropertyList& list) {
    PropertyList::Error error;
    const auto xml = list.toXml(&error);
    EXPECT_TRUE(xml.has_value()) << error.description;
    return parsed(xml.value_or(""));
}

} // namespace

TEST(PropertyListParse, RejectsAnythingThatIsNotAWholePropertyList) {
    const std::string good = document("<dict><key>a</key><true/></dict>");
    const std::string binary = std::string(
        "62706c6973743030d301030502040654666c61670955636f756e7413fffffffffffffffd546e616d655773"
        "7065616b6572080f14151b24290000000000000101000000000000000700000000000000000000000000"
        "000031");
    const std::vector<char> binaryBytes = fromHex(binary);
    const struct {
        const char* name;
        std::vector<char> data;
    } cases[] = {
        {"empty", {}},
        {"text", bytes("this is not a property list")},
        {"only whitespace", bytes(" \n\t\n")},
        {"no closing tag", bytes(good.substr(0, good.rfind("</plist>")))},
        {"cut inside the dictionary", bytes(good.substr(0, good.find("<true/>")))},
        {"closing tag only", bytes("</plist>")},
        {"empty plist element", bytes(document(""))},
        {"binary header then junk", bytes(std::string("bplist00\x01\x02\x03\xff junk junk junk"))},
        {"binary cut in half",
         std::vector<char>(binaryBytes.begin(), binaryBytes.begin() + binaryBytes.size() / 2)},
        {"zero bytes", std::vector<char>(64, '\0')},
    };
    for (const auto& c : cases) {
        PropertyList::Error error;
        EXPECT_FALSE(PropertyList::parse(c.data, &error).has_value()) << c.name;
        EXPECT_FALSE(error.description.empty()) << c.name;
    }

    PropertyList::Error error;
    ASSERT_FALSE(PropertyList::parse(bytes(good.substr(0, good.rfind("</plist>"))), &error));
    EXPECT_NE(error.description.find("</plist>"), std::string::npos) << error.description;
    // A caller that does not want the reason passes no error.
    EXPECT_FALSE(PropertyList::parse({}, nullptr).has_value());
}

TEST(PropertyListParse, AcceptsXmlAndBinaryDocuments) {
    // Files end with a newline or stray whitespace after the closing tag.
    const std::string good = document("<dict><key>a</key><true/></dict>");
    for (const auto& text : {good, good + "\n\n  \t", good.substr(0, good.size() - 1)}) {
        PropertyList::Error error;
        const auto list = PropertyList::parse(bytes(text), &error);
        ASSERT_TRUE(list.has_value()) << error.description;
        EXPECT_EQ(list->boolValue("a"), true);
    }

    const auto binary =
        fromHex("62706c6973743030d301030502040654666c61670955636f756e7413fffffffffffffffd546e61"
                "6d6557737065616b6572080f14151b24290000000000000101000000000000000700000000000000"
                "000000000000000031");
    PropertyList::Error error;
    const auto list = PropertyList::parse(binary, &error);
    ASSERT_TRUE(list.has_value()) << error.description;
    EXPECT_EQ(list->size(), 3U);
    EXPECT_EQ(list->boolValue("flag"), true);
    EXPECT_EQ(list->integerValue("count"), -3);
    EXPECT_EQ(list->stringValue("name"), "speaker");
    // A binary file is written back as XML.
    const auto xml = list->toXml(&error);
    ASSERT_TRUE(xml.has_value());
    EXPECT_NE(xml->find("<integer>-3</integer>"), std::string::npos) << *xml;
}

TEST(PropertyListValues, TypedReadsOnlyAnswerForTheirOwnType) {
    const auto list = parsed(everyKind);
    ASSERT_TRUE(list.isDictionary());
    EXPECT_EQ(list.size(), 8U);
    EXPECT_EQ(list.keys(), (std::vector<std::string>{"flag", "number", "text", "ratio", "when",
                                                     "blob", "list", "nested"}));

    EXPECT_EQ(list.boolValue("flag"), true);
    EXPECT_EQ(list.integerValue("flag"), std::nullopt);
    EXPECT_EQ(list.stringValue("flag"), std::nullopt);

    EXPECT_EQ(list.integerValue("number"), 1);
    EXPECT_EQ(list.boolValue("number"), std::nullopt);
    EXPECT_EQ(list.stringValue("number"), std::nullopt);

    EXPECT_EQ(list.stringValue("text"), "1");
    EXPECT_EQ(list.integerValue("text"), std::nullopt);
    EXPECT_EQ(list.boolValue("text"), std::nullopt);

    for (const char* key : {"ratio", "when", "blob", "list", "nested", "absent"}) {
        EXPECT_EQ(list.contains(key), std::string(key) != "absent") << key;
        EXPECT_EQ(list.boolValue(key), std::nullopt) << key;
        EXPECT_EQ(list.integerValue(key), std::nullopt) << key;
        EXPECT_EQ(list.stringValue(key), std::nullopt) << key;
    }
    // Only top-level entries are read.
    EXPECT_EQ(list.stringValue("inner"), std::nullopt);
}

TEST(PropertyListValues, IntegersKeepTheirSignAndFullRange) {
    const std::int64_t values[] = {0,
                                   1,
                                   -1,
                                   -42,
                                   std::int64_t{1} << 40,
                                   -(std::int64_t{1} << 40),
                                   std::numeric_limits<std::int64_t>::max(),
                                   std::numeric_limits<std::int64_t>::min()};
    PropertyList list;
    for (std::size_t i = 0; i < std::size(values); ++i) {
        list.setInteger("n" + std::to_string(i), values[i]);
    }
    const auto back = roundTripped(list);
    for (std::size_t i = 0; i < std::size(values); ++i) {
        EXPECT_EQ(back.integerValue("n" + std::to_string(i)), values[i]);
    }

    // Other readers of the file must see a negative number, not its unsigned bit pattern.
    PropertyList::Error error;
    const auto xml = list.toXml(&error).value_or("");
    EXPECT_NE(xml.find("<integer>-1</integer>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("<integer>-9223372036854775808</integer>"), std::string::npos) << xml;
    EXPECT_EQ(xml.find("18446744073709551615"), std::string::npos) << xml;
}

TEST(PropertyListValues, TextRoundTripsUnchanged) {
    // libplist 2.2 decodes entities in quadratic time, so the long text has few of them.
    std::string longText;
    for (int i = 0; i < 20000; ++i) {
        longText += "Gerät \"音量\" ";
    }
    longText += "<&>";
    const std::pair<std::string, std::string> entries[] = {
        {"plain", "hello"},
        {"", "empty key"},
        {"empty", ""},
        {"markup", "<string>a & b</string> ]]> &amp;"},
        {"spaces", "  leading and trailing  "},
        {"lines", "one\ntwo\r\nthree\tfour"},
        {"Lautstärke ✓ 音量 🔊", "ключ"},
        {"long", longText},
    };
    PropertyList list;
    for (const auto& [key, value] : entries) {
        list.setString(key, value);
    }
    const auto back = roundTripped(list);
    EXPECT_EQ(back.size(), std::size(entries));
    for (const auto& [key, value] : entries) {
        EXPECT_EQ(back.stringValue(key), value) << key;
    }
}

TEST(PropertyListEditing, WritingKeepsEveryEntryItDidNotTouch) {
    auto list = parsed(everyKind);
    list.setBool("added", false);
    list.setString("number", "now text");
    list.remove("text");
    list.remove("never there");

    PropertyList::Error error;
    const auto xml = list.toXml(&error);
    ASSERT_TRUE(xml.has_value()) << error.description;
    for (const char* kept :
         {"<real>2.5</real>", "<date>2020-01-02T03:04:05Z</date>", "AAH/", "<key>list</key>",
          "<integer>7</integer>", "<key>inner</key>", "<string>deep</string>"}) {
        EXPECT_NE(xml->find(kept), std::string::npos) << kept << "\n" << *xml;
    }

    const auto back = parsed(*xml);
    EXPECT_EQ(back.keys(), (std::vector<std::string>{"flag", "number", "ratio", "when", "blob",
                                                     "list", "nested", "added"}));
    EXPECT_EQ(back.boolValue("flag"), true);
    EXPECT_EQ(back.boolValue("added"), false);
    // Setting a key replaces the old value together with its type.
    EXPECT_EQ(back.stringValue("number"), "now text");
    EXPECT_EQ(back.integerValue("number"), std::nullopt);
    EXPECT_FALSE(back.contains("text"));
}

TEST(PropertyListEditing, ARootOfAnotherKindReadsEmptyAndIsReplacedOnWrite) {
    auto list = parsed(document("<array><string>a</string><true/></array>"));
    EXPECT_FALSE(list.isDictionary());
    EXPECT_EQ(list.size(), 0U);
    EXPECT_TRUE(list.keys().empty());
    EXPECT_FALSE(list.contains("a"));
    EXPECT_EQ(list.stringValue("0"), std::nullopt);
    list.remove("a"); // harmless

    list.setInteger("count", 3);
    EXPECT_TRUE(list.isDictionary());
    const auto back = roundTripped(list);
    EXPECT_EQ(back.keys(), std::vector<std::string>{"count"});
    EXPECT_EQ(back.integerValue("count"), 3);
}

TEST(PropertyListEditing, ANewListIsAnEmptyDictionaryThatWritesValidXml) {
    PropertyList list;
    EXPECT_TRUE(list.isDictionary());
    EXPECT_EQ(list.size(), 0U);
    const auto back = roundTripped(list);
    EXPECT_TRUE(back.isDictionary());
    EXPECT_EQ(back.size(), 0U);
}
