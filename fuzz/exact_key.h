#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vardelis::fuzzing {

// The number written in digits and blanks alone (spaces, tabs and line feeds), when it stays
// below 2^53; nothing for any other text.
inline std::optional<std::int64_t> exact_small_number(std::string_view text) {
    constexpr std::int64_t limit = std::int64_t{1} << 53;
    std::int64_t number = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            number = number * 10 + (c - '0');
            if (number >= limit) {
                return std::nullopt;
            }
        } else if (c != ' ' && c != '\t' && c != '\n') {
            return std::nullopt;
        }
    }
    return number;
}

// 97 minus the floored remainder, in exact integer arithmetic.
inline std::int64_t exact_key(std::int64_t number) {
    return 97 - ((number % 97) + 97) % 97;
}

} // namespace vardelis::fuzzing
