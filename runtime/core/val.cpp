#include "runtime/core/val.h"

#include "runtime/core/runtime_error.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>
#include <system_error>

namespace vardelis::runtime {
namespace {

// Reads the text one character at a time, passing over the blanks that Val drops.
class Reader {
public:
    explicit Reader(std::string_view text)
        : text_(text) {}

    // The next character that is not a blank; '\0' at the end of the text.
    [[nodiscard]] char peek() {
        while (position_ < text_.size() && is_blank(text_[position_])) {
            ++position_;
        }
        return position_ < text_.size() ? text_[position_] : '\0';
    }

    // Passes over the character that peek() returned.
    void advance() { ++position_; }

    // Passes over the next character when it is one of the wanted ones.
    bool take_if(bool (*wanted)(char)) {
        if (!wanted(peek())) {
            return false;
        }
        advance();
        return true;
    }

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// The characters that, besides digits, carry a number on: the decimal point, the exponent marks,
// a sign (at the start or in the exponent) and the radix prefix with its two marks.
bool is_decimal_point(char c) {
    return c == '.';
}
bool is_exponent_mark(char c) {
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}
bool is_sign(char c) {
    return c == '-' || c == '+';
}
bool is_radix_prefix(char c) {
    return c == '&';
}
bool is_hexadecimal_mark(char c) {
    return c == 'h' || c == 'H';
}
bool is_octal_mark(char c) {
    return c == 'o' || c == 'O';
}
int digit_value(char c, int radix) {
    int value = radix;
    if (is_digit(c)) {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value < radix ? value : -1;
}

// Takes an optional sign; tells whether it was "-".
bool take_sign(Reader& reader) {
    const char sign = reader.peek();
    if (!is_sign(sign)) {
        return false;
    }
    reader.advance();
    return sign == '-';
}

double read_radix_integer(Reader& reader, int radix) {
    double value = 0;
    for (int digit = digit_value(reader.peek(), radix); digit >= 0;
         digit = digit_value(reader.peek(), radix)) {
        value = check_overflow(value * radix + digit);
        reader.advance();
    }
    return value;
}

// A decimal number as read: its significant digits with the leading zeros left out, and where
// the decimal point falls, so that the value is 0.digits x 10^point.
struct DecimalDigits {
    std::string digits;
    std::int64_t point = 0;
};

// Far beyond any text's length, so that the exponent still only decides between overflow and zero
// once it is cut to this.
constexpr std::int64_t exponent_limit = 1'000'000'000'000'000;

std::int64_t read_exponent(Reader& reader) {
    if (!reader.take_if(is_exponent_mark)) {
        return 0;
    }
    const bool negative = take_sign(reader);
    std::int64_t exponent = 0;
    while (is_digit(reader.peek())) {
        exponent = std::min(exponent * 10 + (reader.peek() - '0'), exponent_limit);
        reader.advance();
    }
    return negative ? -exponent : exponent;
}

DecimalDigits read_decimal_digits(Reader& reader) {
    DecimalDigits number;
    while (is_digit(reader.peek())) {
        if (!number.digits.empty() || reader.peek() != '0') {
            number.digits += reader.peek();
            ++number.point;
        }
        reader.advance();
    }
    if (reader.take_if(is_decimal_point)) {
        while (is_digit(reader.peek())) {
            if (!number.digits.empty() || reader.peek() != '0') {
                number.digits += reader.peek();
            } else {
                --number.point;
            }
            reader.advance();
        }
    }
    number.point += read_exponent(reader);
    return number;
}

double to_double(const DecimalDigits& number) {
    if (number.digits.empty()) {
        return 0;
    }
    // digits x 10^(point - count): for the usual 13 digits this short text needs no allocation.
    std::string scientific = number.digits;
    scientific += 'e';
    scientific += std::to_string(number.point - static_cast<std::int64_t>(number.digits.size()));
    double value = 0;
    const auto [end, error] =
        std::from_chars(scientific.data(), scientific.data() + scientific.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (number.point > 0) {
            raise_error(ErrorNumber::Overflow);
        }
        return 0;
    }
    return value;
}

} // namespace

double Val(std::string_view text) {
    Reader reader(text);
    if (reader.take_if(is_radix_prefix)) {
        if (reader.take_if(is_hexadecimal_mark)) {
            return read_radix_integer(reader, 16);
        }
        if (reader.take_if(is_octal_mark)) {
            return read_radix_integer(reader, 8);
        }
        return 0;
    }
    const bool negative = take_sign(reader);
    const double value = to_double(read_decimal_digits(reader));
    return negative && value != 0 ? -value : value;
}

} // namespace vardelis::runtime
