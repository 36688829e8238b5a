#pragma once

#include <string>
#include <string_view>

namespace vardelis::french {

// A code as the number writes it: its department's two characters, a no-break space, then the
// rest ("75 012", "99 134").
[[nodiscard]] inline std::string written_code(std::string_view code) {
    if (code.size() < 3) {
        return std::string(code);
    }
    std::string text(code.substr(0, 2));
    text += "\u00A0";
    text += code.substr(2);
    return text;
}

} // namespace vardelis::french
