#include "friends/NameSet.h"

#include "base/RuntimeError.h"

#include <functional>
#include <limits>

namespace quorrin {

NameSet::NameSet(const std::vector<std::string>& names) : names_(names)
{
    if (names.size() >= std::numeric_limits<std::uint32_t>::max() / 2)
        throw RuntimeError(ErrorNumber::Overflow);
    std::size_t capacity = 16;
    while (2 * capacity < 3 * names.size())
        capacity *= 2;
    slots_.assign(capacity, 0);
    mask_ = capacity - 1;

    const std::hash<std::string_view> hash;
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::size_t slot = hash(names[i]) & mask_;
        while (slots_[slot] != 0 && names_[slots_[slot] - 1] != names[i])
            slot = (slot + 1) & mask_;
        if (slots_[slot] == 0)
            slots_[slot] = static_cast<std::uint32_t>(i + 1);
    }
}

bool NameSet::contains(std::string_view name) const
{
    for (std::size_t slot = std::hash<std::string_view>()(name) & mask_; slots_[slot] != 0;
         slot = (slot + 1) & mask_) {
        if (names_[slots_[slot] - 1] == name)
            return true;
    }
    return false;
}

} // namespace quorrin
