#include "controls/huge_pages.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace velmora {

void adviseHugePages(const void* data, std::size_t bytes)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t block = std::uintptr_t(2) << 20;
    if (bytes < 2 * block) return;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + block - 1) & ~(block - 1);
    const std::uintptr_t last = (start + bytes) & ~(block - 1);
    // Only whole blocks: the advice applies to whole pages of the mapping,
    // and a block holds nothing but this buffer.
    if (last > first) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
    (void)data;
    (void)bytes;
#endif
}

}  // namespace velmora
