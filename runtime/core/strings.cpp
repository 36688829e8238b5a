#include "runtime/core/strings.h"

#include "runtime/core/runtime_error.h"

namespace vardelis::runtime {

std::string Str(int number) {
    std::string text = std::to_string(number);
    if (number >= 0) {
        text.insert(text.begin(), ' ');
    }
    return text;
}

std::string Trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string Chr(int code) {
    constexpr int last_ascii = 0x7F;
    constexpr int last_latin1 = 0xFF;
    if (code < 0 || code > last_latin1) {
        throw RuntimeError(ErrorNumber::InvalidProcedureCall);
    }
    if (code <= last_ascii) {
        return std::string{static_cast<char>(code)};
    }
    // Two UTF-8 bytes for U+0080 to U+00FF.
    return {static_cast<char>(0xC0 | (code >> 6)), static_cast<char>(0x80 | (code & 0x3F))};
}

} // namespace vardelis::runtime
