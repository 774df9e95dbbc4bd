#pragma once

#include "friends/FriendsEntries.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace quorrin {

// The names of a list, looked up byte for byte. It keeps a reference to `names`, which must outlive it and
// stay unchanged. One array of slots (open addressing, at most two thirds full) instead of a node per name
// keeps building it and looking up cheap at the largest lists; a name the list holds many times takes one
// slot. Each slot is 32 bits: 16 bits of its name's hash, so that a probe that meets another name rarely has
// to read that name, and the name's index. A friends list holds at most 32,767 entries, so the slots of the
// largest list take 128 KB, which stays in the processor's second-level cache while the other list is
// looked up; slots twice that size did not, and each lookup waited for memory.
class NameSet
{
public:
    static constexpr std::size_t kMaxNames = 0xFFFE;

    // More than kMaxNames names raise RuntimeError Overflow.
    explicit NameSet(const FriendsEntries& names);

    bool contains(std::string_view name) const;

private:
    // Whether a taken slot holds `name`, whose hash has the tag `tag`.
    bool holds(std::uint32_t slot, std::uint32_t tag, std::string_view name) const;

    const FriendsEntries& names_;
    // Each slot: the top 16 bits of its name's hash, then the name's index plus one; 0 marks a free slot.
    std::vector<std::uint32_t> slots_;
    std::size_t mask_ = 0;
};

} // namespace quorrin
