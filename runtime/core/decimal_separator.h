#pragma once

#include <string>

namespace vardelis::runtime {

// The decimal separator of the user's locale, in the locale's own encoding (UTF-8 for the usual
// ".UTF-8" locales): the locale named by LC_ALL, LC_NUMERIC or LANG on Linux, the regional
// setting on Windows. "." when that locale is not available. Read once, on first use; the key
// logic and the window both write fractions with it.
[[nodiscard]] const std::string& user_decimal_separator();

} // namespace vardelis::runtime
