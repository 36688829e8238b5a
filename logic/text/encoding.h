#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The text of lines read from files and pastes: UTF-8, or Windows-1252, what the French versions
// of the common spreadsheets save by default.
namespace vardelis {

[[nodiscard]] bool is_utf8(std::string_view bytes);

// The same text in UTF-8: bytes that are UTF-8 already stay as they are; any others are read as
// Windows-1252, where every byte stands for a character (the five it leaves unassigned for the
// control characters of the same value, as Windows reads them).
[[nodiscard]] std::string as_utf8(std::string_view bytes);

// Text in UTF-16, as Windows' "Unicode" files hold it (Notepad's, PowerShell 5's, the
// spreadsheets' "Unicode text"), known by its byte order mark.
enum class ByteOrder : std::uint8_t { little_endian, big_endian };

// The byte order of a text that starts with UTF-16's byte order mark (FF FE, or FE FF).
[[nodiscard]] std::optional<ByteOrder> utf16_byte_order(std::string_view start);

// UTF-16 turned into UTF-8, a piece at a time, as it is read. A unit that is half of a pair
// without its other half becomes U+FFFD, the replacement character.
class Utf16Decoder {
public:
    explicit Utf16Decoder(ByteOrder order)
        : order_(order) {}

    // Appends the UTF-8 of the next bytes. An odd last byte, or the first half of a pair, waits
    // for the next ones.
    void decode(std::string_view bytes, std::string& utf8);
    // Appends what still waits, which no byte came to complete, as U+FFFD.
    void finish(std::string& utf8);

private:
    void take(char16_t unit, std::string& utf8);

    ByteOrder order_;
    std::optional<std::uint8_t> odd_byte_;
    char16_t first_half_ = 0;
};

} // namespace vardelis
