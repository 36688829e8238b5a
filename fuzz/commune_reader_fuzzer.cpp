// The table's reader on any bytes taken for a stream: it reads what it can, stops where the bytes
// do not hold what its layout says, and never reads past their end (the address sanitizer would
// stop it there).

#include "logic/places/places.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> stream(data, size);
    const vardelis::places::Block blocks[] = {{1001, 0},
                                              {2001, static_cast<std::uint32_t>(size / 2)}};
    vardelis::places::CommuneReader reader(stream, blocks);
    std::size_t read = 0;
    while (const auto commune = reader.next()) {
        // Each code takes two bytes at least: a stream cannot hold more codes than half its size.
        if (++read > size / 2 + 1) {
            std::abort();
        }
    }
    if (!reader.at_end()) {
        std::abort();
    }
    return 0;
}
