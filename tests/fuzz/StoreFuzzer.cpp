#include "fuzz/StoreFuzzEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzStoreReading(data, size);
    return 0;
}
