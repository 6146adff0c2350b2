#include "fuzz/ReplyFuzzEntry.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

// Every input the fuzzer kept stays handled: no crash, no broken rule.
TEST(ReplyCorpusTest, EveryStoredInputIsHandled) {
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(LUMATIX_REPLY_CORPUS_DIR)) {
        const std::string bytes = readFile(entry.path());
        SCOPED_TRACE(entry.path().filename().string());
        fuzzReplyHandling(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ++inputs;
    }
    EXPECT_GT(inputs, 10);
}
