#include "logic/logic.h"
#include "runtime/core/decimal_separator.h"
#include "runtime/core/resume_next.h"
#include "runtime/core/val.h"
#include "runtime/core/variant.h"
#include "runtime/core/variant_text.h"

#include <array>

namespace vardelis {
namespace {

// Shown instead of a key when a step of the calculation fails, so that no failure looks like a
// valid key.
constexpr std::string_view failed_key_text = "Erreur";

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// The Corsican departments 2A and 2B count as 19 and 18 in the key; any other text stays as typed.
std::string_view department_for_key(std::string_view department) {
    std::string_view code = department;
    while (!code.empty() && is_blank(code.front())) {
        code.remove_prefix(1);
    }
    while (!code.empty() && is_blank(code.back())) {
        code.remove_suffix(1);
    }
    if (code.size() != 2 || code[0] != '2') {
        return department;
    }
    switch (code[1]) {
    case 'A':
    case 'a':
        return "19";
    case 'B':
    case 'b':
        return "18";
    default:
        return department;
    }
}

// The six texts joined in order, as pieces that Val reads in place: joining them into one
// string would cost more than the rest of the calculation.
using NumberText = std::array<std::string_view, 6>;

NumberText number_text(const KeyInputs& inputs) {
    return {inputs.sex,     inputs.year, inputs.month, department_for_key(inputs.department),
            inputs.commune, inputs.rank};
}

} // namespace

std::string compute_key(const KeyInputs& inputs) {
    return compute_key(inputs, runtime::user_decimal_separator());
}

// Each step is a statement of its own, in double precision and in this order: beyond 2^53 and for
// fractions the key follows the rounding of these very operations.
std::string compute_key(const KeyInputs& inputs, std::string_view decimal_separator) {
    using runtime::Variant;
    const Variant ninety_seven(97);
    NumberText text;
    // The working slots, Empty until their step stores a number.
    Variant n;
    Variant q;
    Variant f;
    Variant p;
    Variant r;
    Variant k;

    runtime::ResumeNext statement;
    statement([&] { text = number_text(inputs); });
    statement([&] { n = Variant(runtime::Val(text)); });
    statement([&] { q = n / ninety_seven; });
    statement([&] { f = runtime::Int(q); });
    statement([&] { p = f * ninety_seven; });
    statement([&] { r = n - p; });
    statement([&] { k = ninety_seven - r; });

    if (statement.last_error_number() != 0) {
        return std::string(failed_key_text);
    }
    return runtime::variant_to_text(k, decimal_separator);
}

} // namespace vardelis
