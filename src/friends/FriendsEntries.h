#pragma once

#include "friends/CopyBytes.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string_view>
#include <vector>

namespace quorrin {

// The entries of a friends list in file order, byte strings kept end to end in one block with the end of each
// beside them. A list of 32,767 friends then takes two allocations, its bytes and four more per entry,
// instead of a 32-byte string (and for the longer names a heap block) per entry: less than half the memory,
// written once, and read in order by everything that goes through the list. A view handed out stays valid
// until the list is changed. The ends are 32-bit: entries of more than 4 GiB in all raise RuntimeError
// Overflow, as a list of more entries than the limit does.
class FriendsEntries
{
public:
    static constexpr std::size_t kMaxBytes = UINT32_MAX;

    class const_iterator
    {
    public:
        using iterator_category = std::input_iterator_tag; // entries are handed out by value
        using iterator_concept = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        const_iterator() = default;
        std::string_view operator*() const { return (*list_)[index_]; }
        const_iterator& operator++()
        {
            ++index_;
            return *this;
        }
        const_iterator operator++(int)
        {
            const const_iterator before = *this;
            ++index_;
            return before;
        }
        friend bool operator==(const const_iterator&, const const_iterator&) = default;

    private:
        friend class FriendsEntries;
        const_iterator(const FriendsEntries* list, std::size_t index) : list_(list), index_(index) {}

        const FriendsEntries* list_ = nullptr;
        std::size_t index_ = 0;
    };

    FriendsEntries() = default;
    FriendsEntries(std::initializer_list<std::string_view> entries);
    FriendsEntries(const FriendsEntries& other);
    FriendsEntries& operator=(const FriendsEntries& other);
    // The list moved from is left empty.
    FriendsEntries(FriendsEntries&& other) noexcept;
    FriendsEntries& operator=(FriendsEntries&& other) noexcept;

    std::size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }
    std::string_view operator[](std::size_t index) const
    {
        const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
        return std::string_view(bytes_.get() + begin, ends_[index] - begin);
    }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    // Inlined: a read calls it for every line, and a call would cost more than the copy.
    [[gnu::always_inline]] void push_back(std::string_view entry)
    {
        if (entry.size() > capacity_ - used_)
            makeRoom(entry.size());
        copyBytes(bytes_.get() + used_, entry.data(), entry.size());
        used_ += entry.size();
        ends_.push_back(static_cast<std::uint32_t>(used_));
    }
    void clear();
    // Room for `entries` more entries of `bytes` bytes in all, so that a list read from a file grows once.
    void reserve(std::size_t entries, std::size_t bytes);

    friend bool operator==(const FriendsEntries& left, const FriendsEntries& right);

private:
    // Room for `bytes` more bytes, at least doubling the block; Overflow past kMaxBytes.
    void makeRoom(std::size_t bytes);

    // Only the first used_ bytes are ever written or read: the rest of the block is left untouched.
    std::unique_ptr<char[]> bytes_;
    std::size_t used_ = 0;
    std::size_t capacity_ = 0;
    std::vector<std::uint32_t> ends_; // capacity_ never exceeds kMaxBytes, so every end fits
};

} // namespace quorrin
