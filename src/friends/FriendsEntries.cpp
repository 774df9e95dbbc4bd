#include "friends/FriendsEntries.h"

#include "base/RuntimeError.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace quorrin {

FriendsEntries::FriendsEntries(std::initializer_list<std::string_view> entries)
{
    std::size_t bytes = 0;
    for (const std::string_view entry : entries)
        bytes += entry.size();
    reserve(entries.size(), bytes);
    for (const std::string_view entry : entries)
        push_back(entry);
}

FriendsEntries::FriendsEntries(const FriendsEntries& other)
    : bytes_(std::make_unique_for_overwrite<char[]>(other.used_)), used_(other.used_), capacity_(other.used_),
      ends_(other.ends_)
{
    if (used_ > 0)
        std::memcpy(bytes_.get(), other.bytes_.get(), used_);
}

FriendsEntries& FriendsEntries::operator=(const FriendsEntries& other)
{
    if (this != &other)
        *this = FriendsEntries(other);
    return *this;
}

FriendsEntries::FriendsEntries(FriendsEntries&& other) noexcept
    : bytes_(std::move(other.bytes_)), used_(std::exchange(other.used_, 0)),
      capacity_(std::exchange(other.capacity_, 0)), ends_(std::exchange(other.ends_, {}))
{}

FriendsEntries& FriendsEntries::operator=(FriendsEntries&& other) noexcept
{
    bytes_ = std::move(other.bytes_);
    used_ = std::exchange(other.used_, 0);
    capacity_ = std::exchange(other.capacity_, 0);
    ends_ = std::exchange(other.ends_, {});
    return *this;
}

bool operator==(const FriendsEntries& left, const FriendsEntries& right)
{
    return left.ends_ == right.ends_ &&
           (left.used_ == 0 || std::memcmp(left.bytes_.get(), right.bytes_.get(), left.used_) == 0);
}

void FriendsEntries::clear()
{
    // The memory goes too: a list that is cleared is read again from another file, often a smaller one.
    bytes_.reset();
    used_ = 0;
    capacity_ = 0;
    std::vector<std::uint32_t>().swap(ends_);
}

void FriendsEntries::reserve(std::size_t entries, std::size_t bytes)
{
    ends_.reserve(ends_.size() + entries);
    bytes = std::min(bytes, kMaxBytes - used_);
    if (bytes > capacity_ - used_) {
        auto block = std::make_unique_for_overwrite<char[]>(used_ + bytes);
        if (used_ > 0)
            std::memcpy(block.get(), bytes_.get(), used_);
        bytes_ = std::move(block);
        capacity_ = used_ + bytes;
    }
}

void FriendsEntries::makeRoom(std::size_t bytes)
{
    if (bytes > kMaxBytes - used_)
        throw RuntimeError(ErrorNumber::Overflow);
    reserve(0, std::max(bytes, std::max<std::size_t>(capacity_, 64)));
}

} // namespace quorrin
