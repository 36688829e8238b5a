#pragma once

#include <algorithm>
#include <numeric>
#include <string_view>

namespace vardelis {

// Whether the text is that many digits, and nothing else.
[[nodiscard]] inline bool is_digits(std::string_view text, std::size_t width) {
    return text.size() == width &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The number that a text of digits writes.
[[nodiscard]] inline int number_of(std::string_view digits) {
    return std::accumulate(digits.begin(), digits.end(), 0,
                           [](int number, char digit) { return number * 10 + (digit - '0'); });
}

} // namespace vardelis
