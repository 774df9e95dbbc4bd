// Writes a source and a target Friends.txt for the transfer benchmarks: names as Zone players pick them
// (syllables, digits, underscores, some with accented 8-bit letters), CR LF line ends, the three section
// tags, and the duplicates between the two lists that a transfer filters out.
#include "BenchLists.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

using quorrin::bench::isChecked;
using quorrin::bench::isInTarget;
using quorrin::bench::targetEntries;

// Windows-1252 bytes, as the Zone client stores them: é, ö, ñ, ü, à, ø.
constexpr std::array kSyllables{"dra",   "gon",    "xx",    "lu",    "ka",    "mor", "ti",  "zel",
                                "qui",   "ban",    "shi",   "ro",    "vex",   "pa",  "nu",  "\xe9l",
                                "b\xf6", "ni\xf1", "m\xfc", "\xe0r", "s\xf8", "Ace", "Kid", "Max"};

class NameMaker
{
public:
    std::string next()
    {
        for (;;) {
            std::string name;
            const int syllables = 2 + static_cast<int>(random_() % 3);
            for (int i = 0; i < syllables; ++i)
                name += kSyllables[random_() % kSyllables.size()];
            name[0] = static_cast<char>(name[0] >= 'a' && name[0] <= 'z' ? name[0] - 32 : name[0]);
            if (random_() % 3 == 0)
                name += '_';
            if (random_() % 2 == 0)
                name += std::to_string(random_() % 10000);
            if (used_.insert(name).second)
                return name;
        }
    }

private:
    std::mt19937 random_{27};
    std::unordered_set<std::string> used_;
};

bool writeList(const char* path, const std::vector<std::string>& entries)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << "[Friends]\r\n";
    for (const auto& entry : entries)
        out << entry << "\r\n";
    out << "\r\n[#Watchers Allowed]\r\n\r\n[#Watchers Not Allowed]\r\n";
    return static_cast<bool>(out.flush());
}

} // namespace

int main(int argc, char** argv)
{
    const long entries = argc == 4 ? std::strtol(argv[1], nullptr, 10) : 0;
    if (entries < 8 || entries > 32767) {
        std::fprintf(stderr, "usage: %s ENTRIES(8..32767) SOURCE TARGET\n", argv[0]);
        return 2;
    }
    NameMaker names;
    std::vector<std::string> source;
    std::vector<std::string> target;
    std::size_t checked = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(entries); ++i) {
        source.push_back(names.next());
        if (isChecked(i) && isInTarget(checked++))
            target.push_back(source.back());
    }
    // Some unchecked friends are in the target as well; they change nothing either way.
    for (std::size_t i = 1; target.size() < targetEntries(source.size()) && i < source.size(); i += 8)
        target.push_back(source[i]);
    while (target.size() < targetEntries(source.size()))
        target.push_back(names.next());
    // The target keeps its own order, not the source's.
    std::shuffle(target.begin(), target.end(), std::mt19937{1027});
    if (!writeList(argv[2], source) || !writeList(argv[3], target)) {
        std::perror("writing the lists");
        return 1;
    }
    return 0;
}
