#include "logic/corsica.h"
#include "logic/logic.h"
#include "runtime/core/val.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <numeric>
#include <string>
#include <utility>

namespace vardelis {
namespace {

using Separators = std::array<std::string_view, 6>;

// What may stand around a pasted number: blanks, and the line end a spreadsheet cell brings. A
// no-break space is what spreadsheets and word processors put between groups of digits, a narrow
// one what French typography puts there. In UTF-8.
constexpr Separators edge_separators = {" ", "\t", "\u00A0", "\u202F", "\r", "\n"};
// What may stand between the characters of a pasted number: blanks, dots and dashes.
constexpr Separators inner_separators = {" ", "\t", "\u00A0", "\u202F", ".", "-"};

// The length of the separator, among those given, that the text starts with, or 0.
std::size_t leading_separator(std::string_view text, const Separators& separators) {
    const auto* found = std::find_if(separators.begin(), separators.end(),
                                     [text](std::string_view s) { return text.starts_with(s); });
    return found == separators.end() ? 0 : found->size();
}

// The length of the separator, among those given, that the text ends with, or 0.
std::size_t trailing_separator(std::string_view text, const Separators& separators) {
    const auto* found = std::find_if(separators.begin(), separators.end(),
                                     [text](std::string_view s) { return text.ends_with(s); });
    return found == separators.end() ? 0 : found->size();
}

std::string_view without_edges(std::string_view text) {
    while (const std::size_t length = leading_separator(text, edge_separators)) {
        text.remove_prefix(length);
    }
    while (const std::size_t length = trailing_separator(text, edge_separators)) {
        text.remove_suffix(length);
    }
    return text;
}

// The characters of the number, without the separators between them; empty when the text begins
// or ends with a separator.
std::string characters_of(std::string_view text) {
    if (leading_separator(text, inner_separators) != 0 ||
        trailing_separator(text, inner_separators) != 0) {
        return {};
    }
    std::string characters;
    while (!text.empty()) {
        if (const std::size_t length = leading_separator(text, inner_separators)) {
            text.remove_prefix(length);
        } else {
            characters.push_back(text.front());
            text.remove_prefix(1);
        }
    }
    return characters;
}

// Digits throughout, but for a Corsican department.
bool is_number(std::string_view characters) {
    constexpr std::size_t department = 5;
    const bool corsican = corsican_department_digits(characters.substr(department, 2)).has_value();
    for (std::size_t i = 0; i < characters.size(); ++i) {
        const bool in_department = i == department || i == department + 1;
        if (!runtime::is_digit(characters[i]) && !(corsican && in_department)) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<WholeNumber> split_whole_number(std::string_view text) {
    return whole_number_of(characters_of(without_edges(text)));
}

std::optional<WholeNumber> whole_number_of(std::string_view number) {
    constexpr std::size_t without_key = 13;
    constexpr std::size_t with_key = 15;
    if ((number.size() != without_key && number.size() != with_key) || !is_number(number)) {
        return std::nullopt;
    }
    return WholeNumber{KeyInputs{std::string(number.substr(0, 1)), std::string(number.substr(1, 2)),
                                 std::string(number.substr(3, 2)), std::string(number.substr(5, 2)),
                                 std::string(number.substr(7, 3)),
                                 std::string(number.substr(10, 3))},
                       std::string(number.substr(without_key))};
}

std::string written_whole(const WholeNumber& number) {
    const KeyInputs& parts = number.parts;
    std::string written;
    for (const std::string* part : {&parts.sex, &parts.year, &parts.month, &parts.department,
                                    &parts.commune, &parts.rank, &number.key}) {
        if (!written.empty() && !part->empty()) {
            written.push_back(' ');
        }
        std::copy_if(part->begin(), part->end(), std::back_inserter(written),
                     [](char c) { return !runtime::is_blank(c); });
    }
    // A key below 10 is shown with one digit, and written with two in a number.
    if (number.key.size() == 1 && runtime::is_digit(number.key[0])) {
        written.insert(written.size() - 1, 1, '0');
    }
    return written;
}

std::optional<WholeNumber> number_with_its_key(const KeyInputs& parts) {
    KeyInputs number;
    std::string characters;
    for (const auto& [part, kept] :
         {std::pair{&parts.sex, &number.sex}, std::pair{&parts.year, &number.year},
          std::pair{&parts.month, &number.month}, std::pair{&parts.department, &number.department},
          std::pair{&parts.commune, &number.commune}, std::pair{&parts.rank, &number.rank}}) {
        std::copy_if(part->begin(), part->end(), std::back_inserter(*kept),
                     [](char c) { return !runtime::is_blank(c); });
        characters += *kept;
    }
    const bool widths = number.sex.size() == 1 && number.year.size() == 2 &&
                        number.month.size() == 2 && number.department.size() == 2 &&
                        number.commune.size() == 3 && number.rank.size() == 3;
    if (!widths || !is_number(characters)) {
        return std::nullopt;
    }
    std::transform(number.department.begin(), number.department.end(), number.department.begin(),
                   [](char c) { return c == 'a'   ? 'A'
                                       : c == 'b' ? 'B'
                                                  : c; });
    return WholeNumber{number, key_of_whole_number(number)};
}

std::string key_of_whole_number(const KeyInputs& parts) {
    // Thirteen digits, Corsica's department counted as 19 or 18: an integer far below 2^53,
    // whose key the calculation in doubles gives exactly as this remainder does.
    const std::string_view department =
        corsican_department_digits(parts.department).value_or(parts.department);
    std::uint64_t digits = 0;
    for (const std::string_view part :
         {std::string_view(parts.sex), std::string_view(parts.year), std::string_view(parts.month),
          department, std::string_view(parts.commune), std::string_view(parts.rank)}) {
        digits =
            std::accumulate(part.begin(), part.end(), digits, [](std::uint64_t number, char digit) {
                return number * 10 + static_cast<std::uint64_t>(digit - '0');
            });
    }
    const auto key = static_cast<int>(97 - digits % 97);
    std::string written = std::to_string(key);
    if (key < 10) {
        written.insert(written.begin(), '0');
    }
    return written;
}

std::optional<std::string> own_key_if_another_was_pasted(const WholeNumber& number) {
    if (number.key.empty()) {
        return std::nullopt;
    }
    // Read as numbers, as Val reads any field: "07" is 7.
    std::string own = compute_key(number.parts, ".");
    if (runtime::Val(own) == runtime::Val(number.key)) {
        return std::nullopt;
    }
    return own;
}

} // namespace vardelis
