#pragma once

#include <cstddef>
#include <cstdint>

// Feeds one reply body, as the server sent it, through the decoding and the decisions of the
// region lookup and the update check. Aborts when a rule that must always hold is broken.
void fuzzReplyHandling(const std::uint8_t* data, std::size_t size);
