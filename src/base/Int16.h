#pragma once

#include "base/RuntimeError.h"

#include <cstdint>
#include <limits>

namespace quorrin {

// Counters, list positions and counts are 16-bit signed; leaving that range raises Overflow (6).
inline std::int16_t toInt16(long long value)
{
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        throw RuntimeError(ErrorNumber::Overflow);
    return static_cast<std::int16_t>(value);
}

inline std::int16_t addInt16(std::int16_t a, long long b)
{
    return toInt16(static_cast<long long>(a) + b);
}

} // namespace quorrin
