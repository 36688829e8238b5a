#pragma once

#include <optional>
#include <string_view>

namespace vardelis {

// Corsica's two departments are written "2A" and "2B", in either case and with blanks anywhere, and
// count as 19 and 18 in the key. The digits that the department counts as, or nothing when it is
// not Corsica's.
[[nodiscard]] std::optional<std::string_view>
corsican_department_digits(std::string_view department);

} // namespace vardelis
