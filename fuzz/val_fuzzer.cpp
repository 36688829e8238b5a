// Val on any bytes: it returns a finite number or raises overflow, drops blanks wherever they
// stand, and reads plain integers exactly.

#include "exact_key.h"
#include "runtime/core/runtime_error.h"
#include "runtime/core/val.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

using vardelis::runtime::RuntimeError;

// The value, or the error number it raised.
struct Reading {
    std::optional<double> value;
    int error = 0;
};

Reading read(std::string_view text) {
    try {
        return {vardelis::runtime::Val(text), 0};
    } catch (const RuntimeError& error) {
        return {std::nullopt, error.number()};
    }
}

bool same(const Reading& a, const Reading& b) {
    if (a.error != b.error || a.value.has_value() != b.value.has_value()) {
        return false;
    }
    return !a.value || *a.value == *b.value || (std::isnan(*a.value) && std::isnan(*b.value));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Reading whole = read(text);

    if (whole.value ? !std::isfinite(*whole.value) : whole.error != 6) {
        std::abort(); // only finite numbers, and overflow as the only error
    }

    // A blank put in where the first byte says changes nothing.
    const std::size_t cut = size == 0 ? 0 : data[0] % (size + 1);
    const std::string with_blank =
        std::string(text.substr(0, cut)) + ' ' + std::string(text.substr(cut));
    if (!same(read(with_blank), whole)) {
        std::abort();
    }

    if (const auto exact = vardelis::fuzzing::exact_small_number(text)) {
        if (!whole.value || *whole.value != static_cast<double>(*exact)) {
            std::abort();
        }
    }
    return 0;
}
