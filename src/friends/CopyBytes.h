#pragma once

#include <cstddef>
#include <cstring>

namespace quorrin {

// Copies `size` bytes, the short ones that nearly every friend entry is without a call: two words that
// overlap where the bytes are fewer than both together, reading and writing nothing outside the `size` bytes.
inline void copyBytes(char* to, const char* from, std::size_t size)
{
    if (size > 16) {
        std::memcpy(to, from, size);
    } else if (size >= 8) {
        std::memcpy(to, from, 8);
        std::memcpy(to + size - 8, from + size - 8, 8);
    } else if (size >= 4) {
        std::memcpy(to, from, 4);
        std::memcpy(to + size - 4, from + size - 4, 4);
    } else if (size > 0) {
        to[0] = from[0];
        to[size / 2] = from[size / 2];
        to[size - 1] = from[size - 1];
    }
}

} // namespace quorrin
