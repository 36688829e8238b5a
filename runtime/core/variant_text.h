#pragma once

#include "runtime/core/variant.h"

#include <string>
#include <string_view>

namespace vardelis::runtime {

// Converts a variant to text as the runtime does: an integral value below 10^15 in magnitude as
// plain digits, with "-" when negative; any other value with up to 15 significant digits, the
// given decimal separator, and an exponent form ("1E+15", "1,5E-05") for a magnitude of 10^15
// and above or below 10^-4; Empty as an empty text.
[[nodiscard]] std::string variant_to_text(const Variant& value, std::string_view decimal_separator);

} // namespace vardelis::runtime
