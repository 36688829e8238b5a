#include "logic/corsica.h"

#include "runtime/core/val.h"

#include <array>

namespace vardelis {

std::optional<std::string_view> corsican_department_digits(std::string_view department) {
    std::array<char, 2> code{};
    std::size_t length = 0;
    for (const char c : department) {
        if (runtime::is_blank(c)) {
            continue;
        }
        if (length == code.size()) {
            return std::nullopt;
        }
        code.at(length++) = c;
    }
    if (length != code.size() || code[0] != '2') {
        return std::nullopt;
    }
    switch (code[1]) {
    case 'A':
    case 'a':
        return "19";
    case 'B':
    case 'b':
        return "18";
    default:
        return std::nullopt;
    }
}

} // namespace vardelis
