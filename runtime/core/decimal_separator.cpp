#include "runtime/core/decimal_separator.h"

#include <clocale>

namespace vardelis::runtime {
namespace {

// Standard C is the one way to ask for the user's locale that every platform has. The numeric
// locale of the process is switched to the user's for the time of this one reading, then put
// back as it was.
std::string read_user_decimal_separator() {
    const char* current = std::setlocale(LC_NUMERIC, nullptr);
    const std::string previous = current != nullptr ? current : "C";
    std::string separator = ".";
    if (std::setlocale(LC_NUMERIC, "") != nullptr) {
        const char* point = std::localeconv()->decimal_point;
        if (point != nullptr && *point != '\0') {
            separator = point;
        }
    }
    std::setlocale(LC_NUMERIC, previous.c_str());
    return separator;
}

} // namespace

const std::string& user_decimal_separator() {
    static const std::string separator = read_user_decimal_separator();
    return separator;
}

} // namespace vardelis::runtime
