#pragma once

#include <string>

namespace vardelis::runtime {

// The decimal separator of the user's locale, in UTF-8, as Qt reads it: from LC_ALL, LC_NUMERIC
// or LANG on Linux, from the regional settings on Windows. Nothing process-wide is switched to
// read it.
[[nodiscard]] std::string user_decimal_separator();

} // namespace vardelis::runtime
