#pragma once

#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin {

// The entries of a friends list in file order, byte strings kept end to end in one block with the end of each
// beside them. A list of 32,767 friends then takes two allocations instead of one string (and often a heap
// block) per entry: about half the memory, written once, and read in order by everything that goes through
// the list. A view handed out stays valid until the list is changed.
class FriendsEntries
{
public:
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

    std::size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }
    std::string_view operator[](std::size_t index) const
    {
        const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
        return std::string_view(bytes_.data() + begin, ends_[index] - begin);
    }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    void push_back(std::string_view entry)
    {
        bytes_.append(entry);
        ends_.push_back(bytes_.size());
    }
    void clear();
    // Room for `entries` more entries of `bytes` bytes in all, so that a list read from a file grows once.
    void reserve(std::size_t entries, std::size_t bytes);

    friend bool operator==(const FriendsEntries& left, const FriendsEntries& right)
    {
        return left.ends_ == right.ends_ && left.bytes_ == right.bytes_;
    }

private:
    std::string bytes_;
    std::vector<std::size_t> ends_;
};

} // namespace quorrin
