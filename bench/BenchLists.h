#pragma once

#include <cstddef>

// The shape of the generated lists that the transfer benchmarks share: a source of `entries` friends and a
// target sized so that the transfer writes exactly `entries` lines, at most the 32,767 a list takes.
namespace quorrin::bench {

// The user unchecked every other source friend; the rest are chosen.
constexpr bool isChecked(std::size_t index)
{
    return index % 2 == 0;
}

// Of the checked source friends, one in four is already in the target, so it is filtered out.
constexpr bool isInTarget(std::size_t checkedIndex)
{
    return checkedIndex % 4 == 0;
}

// The target's own entries: the transfer writes the [Friends] tag, the chosen source friends, these, and four
// closing lines, `entries` lines in all.
constexpr std::size_t targetEntries(std::size_t entries)
{
    const std::size_t checked = (entries + 1) / 2;
    const std::size_t duplicates = (checked + 3) / 4;
    return entries - 5 - (checked - duplicates);
}

} // namespace quorrin::bench
