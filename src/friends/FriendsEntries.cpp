#include "friends/FriendsEntries.h"

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

void FriendsEntries::clear()
{
    // The memory goes too: a list that is cleared is read again from another file, often a smaller one.
    std::string().swap(bytes_);
    std::vector<std::size_t>().swap(ends_);
}

void FriendsEntries::reserve(std::size_t entries, std::size_t bytes)
{
    ends_.reserve(ends_.size() + entries);
    bytes_.reserve(bytes_.size() + bytes);
}

} // namespace quorrin
