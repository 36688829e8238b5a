// compute_key on any six texts: it always answers with a short text, "Erreur" or a number, and
// for plain integers below 2^53 that number is the exact key.

#include "exact_key.h"
#include "logic/logic.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

constexpr std::size_t longest_key_text = 40;

bool looks_like_a_number(const std::string& text) {
    return text.find_first_not_of("0123456789-+E,") == std::string::npos;
}

// The department as the key reads it: 2A and 2B are Corsica's 19 and 18.
bool is_corsica(const std::string& department) {
    const auto first = department.find_first_not_of(" \t\n");
    const auto last = department.find_last_not_of(" \t\n");
    if (first == std::string::npos || last - first != 1 || department[first] != '2') {
        return false;
    }
    const char letter = department[last];
    return letter == 'A' || letter == 'a' || letter == 'B' || letter == 'b';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    vardelis::KeyInputs inputs;
    inputs.sex = provider.ConsumeRandomLengthString();
    inputs.year = provider.ConsumeRandomLengthString();
    inputs.month = provider.ConsumeRandomLengthString();
    inputs.department = provider.ConsumeRandomLengthString();
    inputs.commune = provider.ConsumeRandomLengthString();
    inputs.rank = provider.ConsumeRemainingBytesAsString();

    const std::string key = vardelis::compute_key(inputs, ",");
    if (key.empty() || key.size() > longest_key_text) {
        std::abort();
    }
    if (key != "Erreur" && !looks_like_a_number(key)) {
        std::abort();
    }

    if (!is_corsica(inputs.department)) {
        const std::string joined = inputs.sex + inputs.year + inputs.month + inputs.department +
                                   inputs.commune + inputs.rank;
        if (const auto number = vardelis::fuzzing::exact_small_number(joined)) {
            if (key != std::to_string(vardelis::fuzzing::exact_key(*number))) {
                std::abort();
            }
        }
    }
    return 0;
}
