#include "friends/NameSet.h"

#include "base/RuntimeError.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace quorrin {
namespace {

// A name of `length` bytes that no shorter or longer one of these begins with; `seed` varies the bytes,
// which run through NUL and the 8-bit range.
std::string nameOf(std::size_t length, unsigned seed)
{
    std::string name(length, '\0');
    for (std::size_t i = 0; i < length; ++i)
        name[i] = static_cast<char>((seed * 131 + length * 29 + i * 53) & 0xFF);
    return name;
}

// Every held name, and every name a byte, a bit or a length away from one, is found exactly when a plain
// set holds it: at the lengths around each word the hash reads, and at a size that fills many slots.
TEST(NameSet, FindsTheNamesItHoldsAndNoOther)
{
    for (const unsigned count : {1u, 40u, 20000u, unsigned{NameSet::kMaxNames} - 1}) {
        std::vector<std::string> names;
        for (unsigned i = 0; i < count; ++i)
            names.push_back(nameOf(i % 26, i / 26));
        names.push_back(names.front()); // held twice
        const std::set<std::string> reference(names.begin(), names.end());
        FriendsEntries entries;
        for (const std::string& name : names)
            entries.push_back(name);
        const NameSet set(entries);

        std::vector<std::string> queries{"", std::string(1, '\0'), "never held"};
        for (unsigned i = 0; i < std::min(count, 200u); ++i) {
            const std::string& name = names[i];
            queries.push_back(name);
            queries.push_back(name + 'x');
            if (!name.empty())
                queries.push_back(name.substr(0, name.size() - 1));
            for (std::size_t at = 0; at < name.size(); ++at) {
                std::string changed = name;
                changed[at] = static_cast<char>(changed[at] ^ 0x01);
                queries.push_back(changed);
            }
        }
        for (const std::string& query : queries)
            EXPECT_EQ(set.contains(query), reference.count(query) == 1)
                << count << " names, a query of " << query.size() << " bytes";
        for (const std::string& name : names)
            EXPECT_TRUE(set.contains(name));
    }

    // One name more than a slot can number.
    FriendsEntries tooMany;
    for (std::size_t i = 0; i <= NameSet::kMaxNames; ++i)
        tooMany.push_back(std::to_string(i));
    EXPECT_THROW(NameSet{tooMany}, RuntimeError);
}

} // namespace
} // namespace quorrin
