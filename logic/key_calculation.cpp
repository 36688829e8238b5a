#include "logic/logic.h"
#include "runtime/core/decimal_separator.h"
#include "runtime/core/resume_next.h"
#include "runtime/core/val.h"
#include "runtime/core/variant.h"
#include "runtime/core/variant_text.h"

namespace vardelis {
namespace {

// Shown instead of a key when a step of the calculation fails, so that no failure looks like a
// valid key.
constexpr std::string_view failed_key_text = "Erreur";

std::string_view without_surrounding_blanks(std::string_view text) {
    constexpr std::string_view blanks = " \t\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// The Corsican departments 2A and 2B count as 19 and 18 in the key; any other text stays as typed.
std::string_view department_for_key(std::string_view department) {
    const std::string_view code = without_surrounding_blanks(department);
    if (code == "2A" || code == "2a") {
        return "19";
    }
    if (code == "2B" || code == "2b") {
        return "18";
    }
    return department;
}

std::string number_text(const KeyInputs& inputs) {
    const std::string_view department = department_for_key(inputs.department);
    std::string text;
    text.reserve(inputs.sex.size() + inputs.year.size() + inputs.month.size() + department.size() +
                 inputs.commune.size() + inputs.rank.size());
    text.append(inputs.sex)
        .append(inputs.year)
        .append(inputs.month)
        .append(department)
        .append(inputs.commune)
        .append(inputs.rank);
    return text;
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
    std::string text;
    Variant n, q, f, p, r, k;

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
