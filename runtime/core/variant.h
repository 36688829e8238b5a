#pragma once

#include "runtime/core/runtime_error.h"

#include <cmath>
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

[[nodiscard]] inline Variant operator/(const Variant& dividend, const Variant& divisor) {
    if (divisor.number() == 0) [[unlikely]] {
        raise_error(dividend.number() == 0 ? ErrorNumber::Overflow : ErrorNumber::DivisionByZero);
    }
    return Variant(check_overflow(dividend.number() / divisor.number()));
}

[[nodiscard]] inline Variant operator*(const Variant& left, const Variant& right) {
    return Variant(check_overflow(left.number() * right.number()));
}

[[nodiscard]] inline Variant operator-(const Variant& left, const Variant& right) {
    return Variant(check_overflow(left.number() - right.number()));
}

// The largest integral value not greater than the value (towards minus infinity).
[[nodiscard]] inline Variant Int(const Variant& value) {
    return Variant(std::floor(value.number()));
}

} // namespace vardelis::runtime
