#pragma once

#include <string>

namespace vardelis::runtime {

// The decimal separator of the user's locale (LC_ALL, LC_NUMERIC or LANG), in UTF-8; "." when
// that locale is not installed. Read once, on first use.
[[nodiscard]] const std::string& user_decimal_separator();

} // namespace vardelis::runtime
