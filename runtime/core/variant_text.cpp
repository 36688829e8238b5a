#include "runtime/core/variant_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace vardelis::runtime {
namespace {

constexpr int significant_digits = 15;
constexpr double plain_integer_limit = 1e15;

std::string integer_text(std::int64_t value) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.begin(), buffer.end(), value);
    return {buffer.begin(), result.ptr};
}

// printf's "%.15G" rules, written with the locale's decimal separator.
std::string general_text(double value, std::string_view decimal_separator) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.begin(), buffer.end(), value,
                                      std::chars_format::general, significant_digits);
    std::string text;
    for (const char* c = buffer.begin(); c != result.ptr; ++c) {
        if (*c == '.') {
            text += decimal_separator;
        } else {
            text += *c == 'e' ? 'E' : *c;
        }
    }
    return text;
}

} // namespace

std::string variant_to_text(const Variant& value, std::string_view decimal_separator) {
    if (value.is_empty()) {
        return {};
    }
    const double number = value.number();
    if (number == 0) {
        return "0"; // also for -0, which the runtime shows as 0
    }
    if (std::fabs(number) < plain_integer_limit) {
        const auto integer = static_cast<std::int64_t>(number);
        if (static_cast<double>(integer) == number) {
            return integer_text(integer);
        }
    }
    return general_text(number, decimal_separator);
}

} // namespace vardelis::runtime
