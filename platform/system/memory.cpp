#include "platform/system/memory.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdio>
#include <string_view>

#include "core/product.h"

namespace orbweave {
namespace {

// The large page size of x86-64 and of most other 64-bit Linux systems.
constexpr std::uintptr_t kLargePageBytes = std::uintptr_t{2} << 20;

constexpr std::string_view kMemoryExhaustedLine = kJoined<kProductNameText, ": there is not enough memory to run.\n">;

}  // namespace

void PreferLargePages(void* start, std::size_t bytes) {
#if defined(MADV_HUGEPAGE)
    const auto first = reinterpret_cast<std::uintptr_t>(start);
    const std::uintptr_t begin = (first + kLargePageBytes - 1) & ~(kLargePageBytes - 1);
    const std::uintptr_t end = (first + bytes) & ~(kLargePageBytes - 1);
    if (start != nullptr && end > begin) {
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
    }
#else
    (void)start;
    (void)bytes;
#endif
}

void ReportMemoryExhausted() { std::fwrite(kMemoryExhaustedLine.data(), 1, kMemoryExhaustedLine.size(), stderr); }

}  // namespace orbweave
