#include "runtime/core/decimal_separator.h"

#include <clocale>
#include <langinfo.h>

namespace vardelis::runtime {
namespace {

std::string read_user_decimal_separator() {
    // A locale object of its own, so that the process's current locale is left alone.
    const locale_t user_locale = newlocale(LC_NUMERIC_MASK, "", locale_t{});
    if (user_locale == locale_t{}) {
        return ".";
    }
    std::string separator = nl_langinfo_l(RADIXCHAR, user_locale);
    freelocale(user_locale);
    return separator.empty() ? "." : separator;
}

} // namespace

const std::string& user_decimal_separator() {
    static const std::string separator = read_user_decimal_separator();
    return separator;
}

} // namespace vardelis::runtime
