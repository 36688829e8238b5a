// The C runtime's heap on Windows, walked block by block.

#include "heap_in_use.h"

#include <malloc.h>

namespace vardelis::testing {

std::int64_t heap_bytes_in_use() {
    std::int64_t in_use = 0;
    _HEAPINFO block{};
    while (_heapwalk(&block) == _HEAPOK) {
        if (block._useflag == _USEDENTRY) {
            in_use += static_cast<std::int64_t>(block._size);
        }
    }
    return in_use;
}

} // namespace vardelis::testing
