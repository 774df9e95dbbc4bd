#include "platform/LargePages.h"

#include <cstdint>
#include <cstdlib>

#if defined(__GLIBC__) && defined(__linux__)
#include <malloc.h>
#include <sys/mman.h>
#endif

namespace quorrin {

#if defined(__GLIBC__) && defined(__linux__) && defined(MADV_HUGEPAGE)

void useLargePagesForHeap()
{
    constexpr std::size_t kLargePage = std::size_t{2} << 20;
    constexpr std::size_t kReserve = std::size_t{16} << 20;
    // Blocks up to 32 MB come from the heap instead of mappings of their own (a mapping under 2 MB can never
    // hold a large page), and the heap keeps its top instead of handing it back after each free.
    if (mallopt(M_MMAP_THRESHOLD, 32 << 20) == 0 || mallopt(M_TRIM_THRESHOLD, 64 << 20) == 0)
        return;
    // Grow the heap by the reserve, mark the whole large pages inside it, and free it again: the block
    // becomes the heap's top, which the next allocations are carved from.
    void* const block = std::malloc(kReserve);
    if (!block)
        return;
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (start + kLargePage - 1) & ~(kLargePage - 1);
    const std::uintptr_t end = (start + kReserve) & ~(kLargePage - 1);
    if (end <= first || madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE) != 0) {
        std::free(block);
        return;
    }
    std::free(block);
    // The top's part below the first large page would be handed out first, in small pages. It stays allocated
    // and untouched instead; only its first page, written by the allocator, is ever backed.
    // (Kept in a volatile pointer, or the compiler drops an allocation nothing reads.)
    constexpr std::size_t kAllocatorHeader = 64;
    [[maybe_unused]] static void* volatile belowFirstLargePage = nullptr;
    if (first - start > kAllocatorHeader)
        belowFirstLargePage = std::malloc(first - start - kAllocatorHeader);
}

#else

void useLargePagesForHeap() {}

#endif

} // namespace quorrin
