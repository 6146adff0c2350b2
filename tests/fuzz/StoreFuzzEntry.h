#pragma once

#include <cstddef>
#include <cstdint>

// Feeds one settings file, as it lies on disk, through the property-list reading the store
// does, and writes back what was read. Aborts when a rule that must always hold is broken.
void fuzzStoreReading(const std::uint8_t* data, std::size_t size);
