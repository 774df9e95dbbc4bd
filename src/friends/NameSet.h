#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin {

// The names of a list, looked up byte for byte. It keeps a reference to `names`, which must outlive it and
// stay unchanged. One array of slots (open addressing, at most two thirds full) instead of a node per name
// keeps building it and looking up cheap at the largest lists; a name the list holds many times takes one
// slot.
class NameSet
{
public:
    // More than two billion names raise RuntimeError Overflow.
    explicit NameSet(const std::vector<std::string>& names);

    bool contains(std::string_view name) const;

private:
    const std::vector<std::string>& names_;
    std::vector<std::uint32_t> slots_; // an index into names_ plus one; 0 marks a free slot
    std::size_t mask_ = 0;
};

} // namespace quorrin
