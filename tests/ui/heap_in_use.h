#pragma once

#include <cstdint>

namespace vardelis::testing {

// The bytes this process holds from the C heap (malloc, and new on top of it) right now, as the
// platform's allocator counts them.
[[nodiscard]] std::int64_t heap_bytes_in_use();

} // namespace vardelis::testing
