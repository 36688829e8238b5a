// read_number on any six texts and any date of today, said in French: it always says something,
// in a few lines of valid UTF-8 without control characters, whatever bytes the fields hold, since
// it repeats nothing of them but digits and Corsica's codes; and its verdict is one of three.

#include "fuzzed_parts.h"
#include "logic/reading/number_reading.h"
#include "logic/reading/reading_in_french.h"

#include <chrono>
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
    // Any year the calendar counts, any month.
    const std::chrono::year_month today{
        std::chrono::year{provider.ConsumeIntegralInRange<int>(-32767, 32767)},
        std::chrono::month{provider.ConsumeIntegralInRange<unsigned>(1, 12)}};
    const vardelis::NumberReading reading =
        vardelis::read_number(vardelis::fuzzing::fuzzed_parts(provider), today);
    const std::string text = vardelis::in_french(reading);
    if (text.empty() || text.size() > longest_reading || !is_clean_utf8(text) ||
        reading.births.empty() || vardelis::verdict_in_french(reading.weight()).empty()) {
        std::abort();
    }
    return 0;
}
