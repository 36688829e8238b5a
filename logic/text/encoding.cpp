#include "logic/text/encoding.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

namespace vardelis {
namespace {

// The characters of Windows-1252's bytes 0x80 to 0x9F (Microsoft's table, bestfit1252.txt); the
// others are Latin-1's, their own code points.
constexpr std::array<char16_t, 32> windows_1252_high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void append_utf8(std::string& text, char32_t code_point) {
    if (code_point < 0x80) {
        text += static_cast<char>(code_point);
    } else if (code_point < 0x800) {
        text += static_cast<char>(0xC0 | (code_point >> 6));
        text += static_cast<char>(0x80 | (code_point & 0x3F));
    } else if (code_point < 0x10000) {
        text += static_cast<char>(0xE0 | (code_point >> 12));
        text += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code_point & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code_point >> 18));
        text += static_cast<char>(0x80 | ((code_point >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code_point & 0x3F));
    }
}

constexpr char32_t replacement_character = 0xFFFD;

bool is_first_half(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool is_second_half(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

bool is_utf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        // Eight bytes of ASCII at a time, the most a line holds.
        if (i + 8 <= bytes.size()) {
            std::uint64_t eight = 0;
            std::memcpy(&eight, bytes.data() + i, 8);
            if ((eight & 0x8080808080808080U) == 0) {
                i += 8;
                continue;
            }
        }
        const auto lead = static_cast<std::uint8_t>(bytes[i]);
        std::size_t length = 0;
        char32_t code_point = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if ((lead & 0xE0) == 0xC0) {
            length = 2;
            code_point = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            code_point = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            code_point = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > bytes.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code_point = (code_point << 6) | (next & 0x3F);
        }
        // The shortest form only, no surrogate, nothing beyond Unicode.
        constexpr std::array<char32_t, 5> smallest = {0, 0, 0x80, 0x800, 0x10000};
        if (code_point < smallest.at(length) || (code_point >= 0xD800 && code_point <= 0xDFFF) ||
            code_point > 0x10FFFF) {
            return false;
        }
        i += length;
    }
    return true;
}

std::string as_utf8(std::string_view bytes) {
    if (is_utf8(bytes)) {
        return std::string(bytes);
    }
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 4);
    for (const char byte : bytes) {
        const auto value = static_cast<std::uint8_t>(byte);
        append_utf8(text, value >= 0x80 && value < 0xA0 ? windows_1252_high.at(value - 0x80)
                                                        : char32_t{value});
    }
    return text;
}

std::optional<ByteOrder> utf16_byte_order(std::string_view start) {
    if (start.starts_with("\xFF\xFE")) {
        return ByteOrder::little_endian;
    }
    if (start.starts_with("\xFE\xFF")) {
        return ByteOrder::big_endian;
    }
    return std::nullopt;
}

void Utf16Decoder::decode(std::string_view bytes, std::string& utf8) {
    utf8.reserve(utf8.size() + bytes.size());
    std::size_t at = 0;
    if (odd_byte_ && !bytes.empty()) {
        const std::array<char, 2> pair = {static_cast<char>(*odd_byte_), bytes.front()};
        odd_byte_.reset();
        at = 1;
        decode({pair.data(), pair.size()}, utf8);
    }
    for (; at + 1 < bytes.size(); at += 2) {
        const auto first = static_cast<std::uint8_t>(bytes[at]);
        const auto second = static_cast<std::uint8_t>(bytes[at + 1]);
        take(static_cast<char16_t>(order_ == ByteOrder::little_endian ? first | (second << 8)
                                                                      : (first << 8) | second),
             utf8);
    }
    if (at < bytes.size()) {
        odd_byte_ = static_cast<std::uint8_t>(bytes[at]);
    }
}

void Utf16Decoder::take(char16_t unit, std::string& utf8) {
    if (first_half_ != 0) {
        const char16_t first = std::exchange(first_half_, 0);
        if (is_second_half(unit)) {
            append_utf8(utf8,
                        0x10000 + ((char32_t{first} - char32_t{0xD800}) << 10U) + (unit - 0xDC00));
            return;
        }
        append_utf8(utf8, replacement_character);
    }
    if (is_first_half(unit)) {
        first_half_ = unit;
    } else {
        append_utf8(utf8, is_second_half(unit) ? replacement_character : char32_t{unit});
    }
}

void Utf16Decoder::finish(std::string& utf8) {
    for (const bool waits : {first_half_ != 0, odd_byte_.has_value()}) {
        if (waits) {
            append_utf8(utf8, replacement_character);
        }
    }
    first_half_ = 0;
    odd_byte_.reset();
}

} // namespace vardelis
