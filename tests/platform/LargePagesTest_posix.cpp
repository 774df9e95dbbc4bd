#include "platform/LargePages.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The kernel's large-page mode: "always", "madvise" or "never"; empty where the kernel has none.
std::string largePageMode()
{
    std::ifstream in("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string modes;
    std::getline(in, modes);
    const auto open = modes.find('[');
    const auto close = modes.find(']');
    return open == std::string::npos || close == std::string::npos ? std::string()
                                                                   : modes.substr(open + 1, close - open - 1);
}

// The THPeligible field of the mapping that holds `address`, or -1 when no mapping does.
int largePageEligible(const void* address)
{
    const auto at = reinterpret_cast<std::uintptr_t>(address);
    std::ifstream smaps("/proc/self/smaps");
    bool inside = false;
    for (std::string line; std::getline(smaps, line);) {
        std::uintptr_t from = 0;
        std::uintptr_t to = 0;
        char dash = 0;
        if (std::istringstream range(line); range >> std::hex >> from >> dash >> to && dash == '-') {
            inside = from <= at && at < to;
        } else if (inside && line.starts_with("THPeligible:")) {
            return std::stoi(line.substr(12));
        }
    }
    return -1;
}

} // namespace

// A list's worth of memory asked for after the call must come from the part of the heap marked for large
// pages: not from a mapping of its own, not from the small pages below the first large one, and not from
// heap grown again after the marked part was handed back.
TEST(LargePages, listSizedBlocksComeFromMemoryMarkedForLargePages)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer has its own heap";
#endif
    if (const std::string mode = largePageMode(); mode != "madvise" && mode != "always")
        GTEST_SKIP() << "this kernel gives no large pages (mode '" << mode << "')";

    quorrin::useLargePagesForHeap();
    for (const std::size_t size : {std::size_t{1} << 20, std::size_t{4} << 20}) {
        // The allocator's header before the block, and so the block's first bytes, may sit on the last small
        // page below the marked part.
        const std::vector<char> block(size);
        EXPECT_EQ(largePageEligible(block.data() + 64), 1) << size << " bytes, from the start";
        EXPECT_EQ(largePageEligible(&block.back()), 1) << size << " bytes, to the end";
    }
}
