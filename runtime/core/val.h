#pragma once

#include <string_view>

namespace vardelis::runtime {

// The blanks that Val drops anywhere in a text: spaces, tabs and line feeds.
[[nodiscard]] constexpr bool is_blank(char c) {
    // Digits and letters fail the first test, at the cost of one comparison.
    return c <= ' ' && (c == ' ' || c == '\t' || c == '\n');
}

[[nodiscard]] constexpr bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Reads the number at the start of a text, as the runtime's Val does:
// - blanks (is_blank) anywhere in the text are dropped;
// - an optional sign, digits, at most one "." as decimal point (whatever the locale), then an
//   optional exponent: "E" or "D" in either case, an optional sign and digits;
// - "&H" or "&O" at the start reads a hexadecimal or octal integer instead; its digits are read
//   as a non-negative value of any width (no sign bit at 16 or 32 bits);
// - reading stops at the first character that cannot continue the number; no digits gives 0.
// Raises RuntimeError 6 (overflow) when the value lies beyond the double range; a value too small
// for a double reads as 0.
[[nodiscard]] double Val(std::string_view text);

} // namespace vardelis::runtime
