#include "fuzz/ReplyFuzzEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzReplyHandling(data, size);
    return 0;
}
