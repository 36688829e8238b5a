#pragma once

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
[[nodiscard]] Variant operator/(const Variant& dividend, const Variant& divisor);
[[nodiscard]] Variant operator*(const Variant& left, const Variant& right);
[[nodiscard]] Variant operator-(const Variant& left, const Variant& right);
// The largest integral value not greater than the value (towards minus infinity).
[[nodiscard]] Variant Int(const Variant& value);

} // namespace vardelis::runtime
