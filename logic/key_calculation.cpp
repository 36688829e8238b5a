#include "logic/corsica.h"
#include "logic/logic.h"
#include "runtime/core/resume_next.h"
#include "runtime/core/val.h"
#include "runtime/core/variant.h"
#include "runtime/core/variant_text.h"

#include <array>
#include <numeric>
#include <string>

namespace vardelis {
namespace {

// Shown instead of a key when a step of the calculation fails, so that no failure looks like a
// valid key.
constexpr std::string_view failed_key_text = "Erreur";

} // namespace

std::string number_text(const KeyInputs& inputs) {
    const std::string_view department =
        corsican_department_digits(inputs.department).value_or(inputs.department);
    const std::array<std::string_view, 6> parts = {inputs.sex, inputs.year,    inputs.month,
                                                   department, inputs.commune, inputs.rank};
    const std::size_t size =
        std::accumulate(parts.begin(), parts.end(), std::size_t{0},
                        [](std::size_t sum, std::string_view part) { return sum + part.size(); });
    // Written character by character: the parts are a few characters each, too short to be worth
    // a call to copy them.
    std::string text(size, '\0');
    char* end = text.data();
    for (const std::string_view part : parts) {
        for (const char c : part) {
            *end++ = c;
        }
    }
    return text;
}

// Each step is a statement of its own, in double precision and in this order: beyond 2^53 and for
// fractions the key follows the rounding of these very operations.
std::string compute_key(const KeyInputs& inputs, std::string_view decimal_separator) {
    using runtime::Variant;
    const Variant ninety_seven(97);
    std::string text;
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
