// read_number on any six texts and any current year: it always says something, in a few lines of
// valid UTF-8 without control characters, whatever bytes the fields hold, since it repeats
// nothing of them but digits and Corsica's codes.

#include "fuzzed_parts.h"
#include "logic/number_reading.h"

#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

namespace {

constexpr std::size_t longest_reading = 1000;

// Whether the text is UTF-8 throughout, with no control character but the line feed.
bool is_clean_utf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        if (length == 0 || i + length > text.size() || (lead < 0x20 && lead != '\n') ||
            lead == 0x7F) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const int current_year = provider.ConsumeIntegral<int>();
    const std::string reading =
        vardelis::read_number(vardelis::fuzzing::fuzzed_parts(provider), current_year);
    if (reading.empty() || reading.size() > longest_reading || !is_clean_utf8(reading)) {
        std::abort();
    }
    return 0;
}
