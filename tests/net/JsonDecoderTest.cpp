#include "net/JsonDecoder.h"

#include <gtest/gtest.h>

using net::JsonDecoder;

TEST(JsonDecoderTest, NestingIsBoundedWhateverTheStringsHold) {
    const std::string deep(JsonDecoder::maxDepth + 1, '[');
    EXPECT_FALSE(JsonDecoder::decode(deep + std::string(JsonDecoder::maxDepth + 1, ']')));
    const std::string fine(JsonDecoder::maxDepth, '[');
    EXPECT_TRUE(JsonDecoder::decode(fine + std::string(JsonDecoder::maxDepth, ']')));
    // Brackets inside strings, escaped quotes included, do not count.
    EXPECT_EQ(JsonDecoder::nestingDepth(R"({"a":"[[[\"[[[","b":[1]})"), 2u);
}

TEST(JsonDecoderTest, DescriptionsStayOnOneBoundedLine) {
    EXPECT_EQ(JsonDecoder::describe(nlohmann::json::parse(R"({"countryCode":"CN"})")),
              R"({"countryCode":"CN"})");
    const auto longText = nlohmann::json(std::string(5000, 'a') + "\xC3\xA9");
    const auto description = JsonDecoder::describe(longText);
    EXPECT_LE(description.size(), JsonDecoder::maxDescriptionBytes + 3);
    EXPECT_EQ(description.substr(description.size() - 3), "…");
    // Multi-byte characters are not split.
    const auto wide = JsonDecoder::describe(nlohmann::json(std::string(3000, '\xE4')));
    EXPECT_LE(wide.size(), JsonDecoder::maxDescriptionBytes + 3);
    EXPECT_EQ(JsonDecoder::printable("CN\nfake line\x01"), "CN\\nfake line\\u0001");
}
