// The GNU C library's count of the heap in use.

#include "heap_in_use.h"

#include <malloc.h>

namespace vardelis::testing {

std::int64_t heap_bytes_in_use() {
    const struct mallinfo2 info = mallinfo2();
    // Small blocks from the arenas, large ones mapped on their own.
    return static_cast<std::int64_t>(info.uordblks + info.hblkhd);
}

} // namespace vardelis::testing
