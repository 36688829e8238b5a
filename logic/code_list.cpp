#include "logic/logic.h"
#include "runtime/core/strings.h"

#include <utility>

namespace vardelis {
namespace {

std::string code_text(int code, int width) {
    std::string text = runtime::Trim(runtime::Str(code));
    const auto digits_start = text.starts_with('-') ? 1U : 0U;
    if (std::cmp_less(text.size(), width)) {
        text.insert(digits_start, static_cast<std::size_t>(width) - text.size(), '0');
    }
    return text;
}

} // namespace

std::vector<std::string> make_code_list(int first, int last, int width) {
    std::vector<std::string> codes;
    if (last < first) {
        return codes;
    }
    codes.reserve(static_cast<std::size_t>(last - first) + 1);
    // Counting with a wider type keeps last == INT_MAX from looping for ever.
    for (long long code = first; code <= last; ++code) {
        codes.push_back(code_text(static_cast<int>(code), width));
    }
    return codes;
}

} // namespace vardelis
