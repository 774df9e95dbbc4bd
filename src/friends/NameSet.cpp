#include "friends/NameSet.h"

#include "base/RuntimeError.h"

#include <cstring>

namespace quorrin {

namespace {

constexpr std::uint64_t kMultiplier1 = 0x9E3779B97F4A7C15u;
constexpr std::uint64_t kMultiplier2 = 0xBF58476D1CE4E5B9u;

std::uint64_t load64(const char* at)
{
    std::uint64_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

std::uint64_t load32(const char* at)
{
    std::uint32_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

std::uint64_t mix(std::uint64_t hash, std::uint64_t word)
{
    hash = (hash ^ word) * kMultiplier2;
    return hash ^ (hash >> 31);
}

// The top 16 bits of a hash, where a slot keeps them; the slot's place comes from the low bits.
std::uint32_t tagOf(std::uint64_t hash)
{
    return static_cast<std::uint32_t>(hash >> 48) << 16;
}

std::uint32_t tagOfSlot(std::uint32_t slot)
{
    return slot & 0xFFFF0000u;
}

std::size_t indexOf(std::uint32_t slot)
{
    return (slot & 0xFFFFu) - 1;
}

// The hash a name is filed under: a few multiplications over its bytes, eight at a time.
inline std::uint64_t hashName(std::string_view name)
{
    const char* at = name.data();
    std::size_t left = name.size();
    std::uint64_t hash = (name.size() + 1) * kMultiplier1;
    for (; left > 8; left -= 8, at += 8)
        hash = mix(hash, load64(at));
    // The last one to eight bytes, read without a loop: words that overlap where the name is shorter.
    if (left >= 4)
        hash = mix(hash, (load32(at) << 32) | load32(at + left - 4));
    else if (left > 0)
        hash = mix(hash, (std::uint64_t{static_cast<unsigned char>(at[0])} << 16) |
                             (std::uint64_t{static_cast<unsigned char>(at[left / 2])} << 8) |
                             static_cast<unsigned char>(at[left - 1]));
    hash *= kMultiplier1;
    return hash ^ (hash >> 29);
}

} // namespace

inline bool NameSet::holds(std::uint32_t slot, std::uint32_t tag, std::string_view name) const
{
    return tagOfSlot(slot) == tag && names_[indexOf(slot)] == name;
}

NameSet::NameSet(const FriendsEntries& names) : names_(names)
{
    if (names.size() > kMaxNames)
        throw RuntimeError(ErrorNumber::Overflow);
    std::size_t capacity = 16;
    while (2 * capacity < 3 * names.size())
        capacity *= 2;
    slots_.assign(capacity, 0);
    mask_ = capacity - 1;

    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::uint64_t hash = hashName(names[i]);
        const std::uint32_t tag = tagOf(hash);
        std::size_t slot = static_cast<std::size_t>(hash) & mask_;
        while (slots_[slot] != 0 && !holds(slots_[slot], tag, names[i]))
            slot = (slot + 1) & mask_;
        if (slots_[slot] == 0)
            slots_[slot] = tag | static_cast<std::uint32_t>(i + 1);
    }
}

bool NameSet::contains(std::string_view name) const
{
    const std::uint64_t hash = hashName(name);
    const std::uint32_t tag = tagOf(hash);
    for (std::size_t slot = static_cast<std::size_t>(hash) & mask_; slots_[slot] != 0;
         slot = (slot + 1) & mask_) {
        if (holds(slots_[slot], tag, name))
            return true;
    }
    return false;
}

} // namespace quorrin
