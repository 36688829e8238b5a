#include "runtime/core/val.h"

#include "runtime/core/runtime_error.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <iterator>
#include <string>
#include <system_error>

namespace vardelis::runtime {
namespace {

// Reads a text one character at a time, passing over the blanks that Val drops wherever they
// stand.
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

    // Where the reading stands, and the text read from such a place up to here, blanks included.
    [[nodiscard]] std::size_t position() const { return position_; }
    [[nodiscard]] std::string_view read_since(std::size_t start) const {
        return text_.substr(start, position_ - start);
    }

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

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

// After "&": "H" and hexadecimal digits or "O" and octal ones, read as a non-negative integer;
// any other mark reads as 0.
double read_radix_integer(Reader& reader) {
    int radix = 0;
    if (reader.take_if(is_hexadecimal_mark)) {
        radix = 16;
    } else if (reader.take_if(is_octal_mark)) {
        radix = 8;
    } else {
        return 0;
    }
    double value = 0;
    for (int digit = digit_value(reader.peek(), radix); digit >= 0;
         digit = digit_value(reader.peek(), radix)) {
        value = check_overflow(value * radix + digit);
        reader.advance();
    }
    return value;
}

// Far beyond any text's length, so that the exponent still only decides between overflow and zero
// once it is cut to this.
constexpr std::int64_t exponent_limit = 1'000'000'000'000'000;

// A significand below 10^14 takes one more digit and stays below 10^15, so that a double holds it
// exactly (every integer up to 2^53 is one).
constexpr std::int64_t most_exact_before_a_digit = 100'000'000'000'000;

// A decimal number as read: its digits and decimal point as written (blanks included), its value
// as significand x 10^scale as long as every digit fits the significand exactly, and the exponent
// written after E or D.
struct DecimalNumber {
    std::string_view mantissa;
    std::int64_t significand = 0;
    std::int64_t scale = 0;
    bool every_digit_kept = true;
    std::int64_t exponent = 0;
};

void read_digits(Reader& reader, DecimalNumber& number, bool after_point) {
    for (char c = reader.peek(); is_digit(c); c = reader.peek()) {
        reader.advance();
        if (number.significand < most_exact_before_a_digit) {
            number.significand = number.significand * 10 + (c - '0');
            number.scale -= after_point ? 1 : 0;
        } else {
            // A digit left out of the significand still scales it when it stands before the point.
            number.every_digit_kept = false;
            number.scale += after_point ? 0 : 1;
        }
    }
}

std::int64_t read_exponent(Reader& reader) {
    if (!reader.take_if(is_exponent_mark)) {
        return 0;
    }
    const bool negative = take_sign(reader);
    std::int64_t exponent = 0;
    for (char c = reader.peek(); is_digit(c); c = reader.peek()) {
        exponent = std::min(exponent * 10 + (c - '0'), exponent_limit);
        reader.advance();
    }
    return negative ? -exponent : exponent;
}

DecimalNumber read_decimal_number(Reader& reader) {
    DecimalNumber number;
    const std::size_t start = reader.position();
    read_digits(reader, number, false);
    if (reader.take_if(is_decimal_point)) {
        read_digits(reader, number, true);
    }
    number.mantissa = reader.read_since(start);
    number.exponent = read_exponent(reader);
    return number;
}

// The powers of ten that a double holds exactly.
constexpr std::array<double, 23> exact_powers_of_ten = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// How many decimal digits a positive integer has.
std::int64_t digit_count(std::int64_t integer) {
    std::int64_t count = 1;
    for (; integer >= 10; integer /= 10) {
        ++count;
    }
    return count;
}

double to_double(const DecimalNumber& number) {
    // No significant digit was read (a zero is never left out of the significand).
    if (number.significand == 0) {
        return 0;
    }
    const std::int64_t scale = number.scale + number.exponent;
    const auto power = static_cast<std::size_t>(scale < 0 ? -scale : scale);
    if (number.every_digit_kept && power < exact_powers_of_ten.size()) {
        // Both exact, so one multiplication or division rounds once, to the nearest double, as
        // the general conversion does.
        const auto exact = static_cast<double>(number.significand);
        return scale < 0 ? exact / exact_powers_of_ten[power] : exact * exact_powers_of_ten[power];
    }
    // Otherwise the standard library's correctly rounded conversion reads "mantissa e exponent".
    std::array<char, 24> exponent_text{};
    char* exponent_end =
        std::to_chars(exponent_text.begin(), exponent_text.end(), number.exponent).ptr;
    std::string scientific;
    std::remove_copy_if(number.mantissa.begin(), number.mantissa.end(),
                        std::back_inserter(scientific), is_blank);
    scientific += 'e';
    scientific.append(exponent_text.begin(), exponent_end);
    double value = 0;
    const auto [end, error] =
        std::from_chars(scientific.data(), scientific.data() + scientific.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Beyond the double range on one side or the other: the number's order of magnitude tells.
        if (digit_count(number.significand) + scale > 0) {
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
        return read_radix_integer(reader);
    }
    const bool negative = take_sign(reader);
    const double value = to_double(read_decimal_number(reader));
    return negative && value != 0 ? -value : value;
}

} // namespace vardelis::runtime
