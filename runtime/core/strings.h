#pragma once

#include <string>
#include <string_view>

namespace vardelis::runtime {

// The decimal text of an integer, with a blank in front when it is not negative (" 7", "-7").
[[nodiscard]] std::string Str(int number);

// The text without its leading and trailing blanks (spaces only, as the runtime's Trim).
[[nodiscard]] std::string Trim(std::string_view text);

// The one-character text of a character code from 0 to 255 (Latin-1), in UTF-8; Chr(13) is a
// carriage return. Any other code raises RuntimeError 5.
[[nodiscard]] std::string Chr(int code);

} // namespace vardelis::runtime
