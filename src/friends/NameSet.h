#pragma once

#include "friends/FriendsEntries.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace quorrin {

// The names of a list, looked up byte for byte. It keeps a reference to `names`, which must outlive it and
// stay unchanged. One array of slots (open addressing, at most two thirds full) instead of a node per name
// keeps building it and looking up cheap at the largest lists; a name the list holds many times takes one
// slot. Each slot keeps 32 bits of its name's hash beside the name's index, so a probe that meets another
// name rarely has to read that name.
class NameSet
{
public:
    // More than two billion names raise RuntimeError Overflow.
    explicit NameSet(const FriendsEntries& names);

    bool contains(std::string_view name) const;

private:
    // Whether a taken slot holds `name`, whose hash has the tag `tag`.
    bool holds(std::uint64_t slot, std::uint64_t tag, std::string_view name) const;

    const FriendsEntries& names_;
    // Each slot: the upper half of its name's hash, then the name's index plus one; 0 marks a free slot.
    std::vector<std::uint64_t> slots_;
    std::size_t mask_ = 0;
};

} // namespace quorrin
