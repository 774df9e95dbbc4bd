#pragma once

#include <cstdio>
#include <cstdlib>

namespace quorrin::fuzz {

// Stops the run when a property does not hold; libFuzzer then keeps the input that broke it.
inline void check(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

} // namespace quorrin::fuzz
