#pragma once

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

} // namespace vardelis
