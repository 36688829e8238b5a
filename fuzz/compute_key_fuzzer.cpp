// compute_key on any six texts: it always answers with a short text, "Erreur" or a number, and
// for plain integers below 2^53 that number is the exact key.

#include "exact_key.h"
#include "fuzzed_parts.h"
#include "logic/logic.h"

#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

namespace {

constexpr std::size_t longest_key_text = 40;

bool looks_like_a_number(const std::string& text) {
    return text.find_first_not_of("0123456789-+E,") == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const vardelis::KeyInputs inputs = vardelis::fuzzing::fuzzed_parts(provider);

    const std::string key = vardelis::compute_key(inputs, ",");
    if (key.empty() || key.size() > longest_key_text) {
        std::abort();
    }
    if (key != "Erreur" && !looks_like_a_number(key)) {
        std::abort();
    }

    // Corsica's departments included, as the key logic joins the six texts.
    if (const auto number = vardelis::fuzzing::exact_small_number(vardelis::number_text(inputs))) {
        if (key != std::to_string(vardelis::fuzzing::exact_key(*number))) {
            std::abort();
        }
    }
    return 0;
}
