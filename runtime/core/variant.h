#pragma once

#include "runtime/core/runtime_error.h"

#include <cmath>
#include <cstdint>
#include <optional>

namespace vardelis::runtime {

// The runtime's tagged numeric value: Empty until a number is stored in it. Empty counts as 0 in
// arithmetic and converts to an empty text.
class Variant {
public:
    Variant() = default;
    explicit Variant(double number)
        : number_(number) {}

    [[nodiscard]] bool is_empty() const { return !number_.has_value(); }
    // The value as arithmetic sees it: Empty reads as 0.
    [[nodiscard]] double number() const { return number_.value_or(0.0); }

private:
    std::optional<double> number_;
};

// Variant arithmetic works in double precision. A result beyond the double range raises
// RuntimeError 6 (overflow); a division by zero raises 11, or 6 for 0 / 0.
// The operations are inline: the key calculation runs five of them in a row.

inline Variant checked_result(double result) {
    if (!std::isfinite(result)) [[unlikely]] {
        raise_error(ErrorNumber::Overflow);
    }
    return Variant(result);
}

[[nodiscard]] inline Variant operator/(const Variant& dividend, const Variant& divisor) {
    if (divisor.number() == 0) [[unlikely]] {
        raise_error(dividend.number() == 0 ? ErrorNumber::Overflow : ErrorNumber::DivisionByZero);
    }
    return checked_result(dividend.number() / divisor.number());
}

[[nodiscard]] inline Variant operator*(const Variant& left, const Variant& right) {
    return checked_result(left.number() * right.number());
}

[[nodiscard]] inline Variant operator-(const Variant& left, const Variant& right) {
    return checked_result(left.number() - right.number());
}

// The largest integral value not greater than the value (towards minus infinity). Written with
// an integer conversion because std::floor is a library call on plain x86-64.
[[nodiscard]] inline Variant Int(const Variant& value) {
    const double number = value.number();
    constexpr double all_integral = 4503599627370496.0; // 2^52: every double beyond is integral
    if (!(std::fabs(number) < all_integral)) {
        return Variant(number);
    }
    auto truncated = static_cast<double>(static_cast<std::int64_t>(number));
    if (truncated > number) {
        truncated -= 1;
    }
    return Variant(truncated);
}

} // namespace vardelis::runtime
